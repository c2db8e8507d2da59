#include "ui/kept_state.h"

#include <QSettings>
#include <algorithm>

#include "model/palette.h"

namespace rotalo::ui {

namespace {

const QString kColoursKey = QStringLiteral("colours/chosen");
const QString kPaintingKey = QStringLiteral("painting/stickers");
const QString kPaintingColoursKey = QStringLiteral("painting/colours");
const QString kFramesKey = QStringLiteral("animation/frames");
const QString kPauseKey = QStringLiteral("animation/pause");
const QString kRotateButtonKey = QStringLiteral("options/rotateButton");
const QString kFewestMovesKey = QStringLiteral("options/fewestMoves");

QString NameOf(const std::string& name) {
  return QString::fromStdString(name);
}

// The palette index (1..10) of a colour name, 0 for none.
int PaletteIndex(const QString& name) {
  for (std::size_t k = 0; k < kPalette.size(); ++k) {
    if (name == QLatin1String(kPalette[k].name.data(), static_cast<qsizetype>(kPalette[k].name.size()))) {
      return static_cast<int>(k) + 1;
    }
  }
  return 0;
}

QStringList ChosenNames(const Vars& vars) {
  QStringList names;
  for (std::size_t c = 1; c <= 6; ++c) {
    names << NameOf(vars.ChosenColourName[c]);
  }
  return names;
}

}  // namespace

std::optional<std::array<int, 6>> KeptColours(QSettings& settings) {
  const QStringList names = settings.value(kColoursKey).toStringList();
  if (names.size() != 6) {
    return std::nullopt;
  }
  std::array<int, 6> indices{};
  for (std::size_t k = 0; k < 6; ++k) {
    indices[k] = PaletteIndex(names[static_cast<qsizetype>(k)]);
  }
  std::sort(indices.begin(), indices.end());
  if (indices[0] == 0 || std::adjacent_find(indices.begin(), indices.end()) != indices.end()) {
    return std::nullopt;
  }
  return indices;
}

void KeepColours(QSettings& settings, const Vars& vars) {
  settings.setValue(kColoursKey, ChosenNames(vars));
}

std::optional<Buffer> KeptPainting(QSettings& settings, const Vars& vars) {
  const QString digits = settings.value(kPaintingKey).toString();
  const QStringList colours = settings.value(kPaintingColoursKey).toStringList();
  if (digits.size() != kFacelets || colours.size() != 6) {
    return std::nullopt;
  }
  const QStringList chosen = ChosenNames(vars);
  Buffer painting{};
  bool any = false;
  for (int i = 1; i <= kFacelets; ++i) {
    const QChar digit = digits[i - 1];
    if (digit < u'0' || digit > u'6') {
      return std::nullopt;
    }
    const int code = digit.unicode() - u'0';
    const int now = code == 0 ? 0 : static_cast<int>(chosen.indexOf(colours[code - 1])) + 1;
    painting[static_cast<std::size_t>(i)] = static_cast<Int16>(now);
    any = any || now != 0;
  }
  if (!any) {
    return std::nullopt;
  }
  return painting;
}

void KeepPainting(QSettings& settings, const Vars& vars, const Buffer& painting) {
  if (std::all_of(painting.begin() + 1, painting.end(), [](Int16 v) { return v == 0; })) {
    ForgetPainting(settings);
    return;
  }
  QString digits;
  for (int i = 1; i <= kFacelets; ++i) {
    const Int16 v = painting[static_cast<std::size_t>(i)];
    digits += QChar(u'0' + (v >= 0 && v <= 6 ? v : 0));
  }
  settings.setValue(kPaintingKey, digits);
  settings.setValue(kPaintingColoursKey, ChosenNames(vars));
}

void ForgetPainting(QSettings& settings) {
  settings.remove(kPaintingKey);
  settings.remove(kPaintingColoursKey);
}

MenuChoices KeptChoices(QSettings& settings) {
  MenuChoices choices;
  bool ok = false;
  const int frames = settings.value(kFramesKey).toInt(&ok);
  if (ok && frames >= 2 && frames <= 10 && frames % 2 == 0) {
    choices.frames = frames;
  }
  const int pause = settings.value(kPauseKey).toInt(&ok);
  if (ok && pause >= 0 && pause <= 6) {
    choices.pause = pause;
  }
  choices.rotateButton = settings.value(kRotateButtonKey).toString() == QLatin1String("true");
  choices.fewestMoves = settings.value(kFewestMovesKey).toString() == QLatin1String("true");
  return choices;
}

void KeepChoices(QSettings& settings, const MenuChoices& choices) {
  settings.setValue(kFramesKey, choices.frames);
  settings.setValue(kPauseKey, choices.pause);
  settings.setValue(kRotateButtonKey, choices.rotateButton);
  settings.setValue(kFewestMovesKey, choices.fewestMoves);
}

}  // namespace rotalo::ui
