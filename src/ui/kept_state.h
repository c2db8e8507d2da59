// What the program keeps between runs, in the desktop's usual configuration
// place: the six colours last chosen, a painting that was begun but not yet
// accepted, and the choices of the Animation and Options menus. Whatever is missing, damaged or written by something
// else is ignored.
#pragma once

#include <QStringList>
#include <optional>

#include "model/cube.h"

class QSettings;

namespace rotalo::ui {

// The palette indices (1..10) of the six colours chosen last, in palette
// order; nothing unless six different palette colours were kept.
std::optional<std::array<int, 6>> KeptColours(QSettings& settings);
void KeepColours(QSettings& settings, const Vars& vars);

// The painting kept, in the codes of the colours chosen now: a sticker whose
// colour is not among them comes back uncoloured.
std::optional<Buffer> KeptPainting(QSettings& settings, const Vars& vars);
// Keeps the painting in the current buffer, or forgets it when no sticker is
// coloured.
void KeepPainting(QSettings& settings, const Vars& vars, const Buffer& painting);
void ForgetPainting(QSettings& settings);

// The menu choices that last from one run to the next; a first run has the
// values below.
struct MenuChoices {
  int frames = 6;  // Detail: 2, 4, 6, 8 or 10 frames
  int pause = 3;   // Pause: entry 0..5 ("&None" to "&5 Seconds"), 6 for Step by Step
  bool rotateButton = false;
  bool fewestMoves = false;
  friend bool operator==(const MenuChoices&, const MenuChoices&) = default;
};
// What was kept, each value that is missing or out of range as at a first run.
MenuChoices KeptChoices(QSettings& settings);
void KeepChoices(QSettings& settings, const MenuChoices& choices);

}  // namespace rotalo::ui
