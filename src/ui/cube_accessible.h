// What screen readers are told of the drawing: besides the drawing itself,
// each of the 27 stickers it shows, with its place on the screen, where it
// lies and its colour in words, and which one the keyboard's cursor is on.
#pragma once

namespace rotalo::ui {

// Makes the drawings of the program report their stickers; once is enough.
void InstallCubeAccessibility();

}  // namespace rotalo::ui
