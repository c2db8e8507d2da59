#include "ui/fonts.h"

#include <QStringList>

namespace rotalo::ui {

void InstallFontSubstitutes() {
  const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                         QStringLiteral("DejaVu Sans")};
  QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
}

QFont DesignFont(const char* family, double points, bool bold) {
  QFont font(QString::fromLatin1(family));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace rotalo::ui
