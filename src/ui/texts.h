// Texts the windows build from what the core tells them, in the user's
// language: colour names, the entry check's messages and the names of the
// drawing's sticker places.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string_view>

#include "checking/entry_check.h"
#include "render/picking.h"

namespace rotalo::ui {

class Texts {
  Q_DECLARE_TR_FUNCTIONS(Texts)

 public:
  // One of the palette's colour names, or "Unknown", as the user reads it.
  static QString Colour(std::string_view name);
  // The message for a rejected painting ("" when accepted).
  static QString EntryMessage(const EntryVerdict& verdict);
  // "Top face, back row, left".
  static QString Place(const StickerPlace& place);
};

}  // namespace rotalo::ui
