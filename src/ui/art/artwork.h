#pragma once
#include <QCursor>
#include <QIcon>
#include <QImage>
namespace rotalo {
QImage TitlePicture(qreal devicePixelRatio = 1);
QImage SolvedCubePicture(qreal devicePixelRatio = 1);
QCursor PaintingPointer();
QCursor RotatingPointer();
QIcon ProgramIcon();
}  // namespace rotalo
