#include "ui/texts.h"

#include <array>

namespace rotalo::ui {

namespace {

// The names the palette and the colour tables use, marked for translation.
constexpr std::array kColourNames{
    QT_TRANSLATE_NOOP("rotalo::ui::Colours", "Orange"),  QT_TRANSLATE_NOOP("rotalo::ui::Colours", "Yellow"),
    QT_TRANSLATE_NOOP("rotalo::ui::Colours", "Green"),   QT_TRANSLATE_NOOP("rotalo::ui::Colours", "White"),
    QT_TRANSLATE_NOOP("rotalo::ui::Colours", "Blue"),    QT_TRANSLATE_NOOP("rotalo::ui::Colours", "Red"),
    QT_TRANSLATE_NOOP("rotalo::ui::Colours", "Black"),   QT_TRANSLATE_NOOP("rotalo::ui::Colours", "Brown"),
    QT_TRANSLATE_NOOP("rotalo::ui::Colours", "Purple"),  QT_TRANSLATE_NOOP("rotalo::ui::Colours", "Light Blue"),
    QT_TRANSLATE_NOOP("rotalo::ui::Colours", "Unknown"),
};

}  // namespace

QString Texts::Colour(std::string_view name) {
  for (const char* known : kColourNames) {
    if (name == known) {
      return QCoreApplication::translate("rotalo::ui::Colours", known);
    }
  }
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString Texts::EntryMessage(const EntryVerdict& verdict) {
  const auto c = [&verdict](std::size_t k) { return Colour(verdict.colours[k]); };
  switch (verdict.fault) {
    case EntryFault::None:
      return {};
    case EntryFault::Uncoloured:
      return tr("You must colour in ALL of the sides");
    case EntryFault::Centres:
      return tr("The six centres must be different colours");
    case EntryFault::ColourCount:
      return tr("There must be nine %1 pieces").arg(c(0));
    case EntryFault::NoSuchEdge:
      return tr("There should be no %1 and %2 piece.").arg(c(0), c(1));
    case EntryFault::NoSuchCorner:
      return tr("There should be no %1, %2 and %3 piece.").arg(c(0), c(1), c(2));
    case EntryFault::WrongOrder:
      return tr("The colours on the %1, %2 and %3 piece are in the wrong order.").arg(c(0), c(1), c(2));
    case EntryFault::MissingEdge:
      return tr("You have no %1 and %2 piece.").arg(c(0), c(1));
    case EntryFault::MissingCorner:
      return tr("You have no %1, %2 and %3 piece.").arg(c(0), c(1), c(2));
  }
  return {};
}

QString Texts::Place(const StickerPlace& place) {
  const PlaceWords words = DescribePlace(place);
  const auto row = static_cast<std::size_t>(words.row);
  const std::array<QString, 3> columns{tr("left"), tr("centre"), tr("right")};
  const QString column = columns[static_cast<std::size_t>(words.column)];
  switch (words.face) {
    case PlaceWords::Face::Top: {
      const std::array<QString, 3> rows{tr("front row"), tr("middle row"), tr("back row")};
      return tr("Top face, %1, %2").arg(rows[row], column);
    }
    case PlaceWords::Face::LeftFront:
    case PlaceWords::Face::RightFront: {
      const std::array<QString, 3> rows{tr("top row"), tr("middle row"), tr("bottom row")};
      return (words.face == PlaceWords::Face::LeftFront ? tr("Left front face, %1, %2")
                                                        : tr("Right front face, %1, %2"))
          .arg(rows[row], column);
    }
  }
  return {};
}

}  // namespace rotalo::ui
