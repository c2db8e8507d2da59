// What the program keeps between runs, in the desktop's usual configuration
// place: the six colours last chosen, and a painting that was begun but not
// yet accepted. Whatever is missing, damaged or written by something else is
// ignored.
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

}  // namespace rotalo::ui
