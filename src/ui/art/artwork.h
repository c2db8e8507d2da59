// The program's own pictures, pointers and icon, all drawn by code: the
// title and the solved cube of the start-up window, the painting and the
// rotating mouse pointers of the drawing, and the window icon.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

namespace rotalo {

// The background of the start-up window the two pictures sit on.
inline constexpr QRgb kWindowGrey = 0xFFC0C0C0;

// "Rotalo" in large bold letters, one cube colour per letter with a dark
// outline and shadow, on the window grey: 298 × 105 logical pixels, drawn at
// that size times devicePixelRatio and marked with it.
QImage TitlePicture(qreal devicePixelRatio = 1);

// A solved cube drawn by DrawCube (orange top, blue front left, white front
// right) on the window grey: 200 × 200 logical pixels.
QImage SolvedCubePicture(qreal devicePixelRatio = 1);
// The same cube jumbled, always the same way, for the handbook.
QImage JumbledCubePicture(qreal devicePixelRatio = 1);

// 32 × 32 pointers in black outline and white fill. The painting pointer is a
// brush whose hot spot is the tip of its bristles; the rotating pointer is a
// curved arrow whose hot spot is its centre. Need a QGuiApplication.
QCursor PaintingPointer();
QCursor RotatingPointer();

// A small isometric cube with three coloured faces, at 16, 24, 32, 48, 64,
// 128 and 256 pixels.
QIcon ProgramIcon();

}  // namespace rotalo
