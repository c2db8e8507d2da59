#include "ui/languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace rotalo::ui {

namespace {

std::vector<std::unique_ptr<QTranslator>>& Installed() {
  static std::vector<std::unique_ptr<QTranslator>> installed;
  return installed;
}

}  // namespace

QString InstallTranslations(const QStringList& languages) {
  for (const auto& translator : Installed()) {
    QCoreApplication::removeTranslator(translator.get());
  }
  Installed().clear();

  for (const QString& tag : languages) {
    // "de-DE", "de_DE" and "de" all mean German here.
    const QString language = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    if (language == QLatin1String("en") || language == QLatin1String("c")) {
      return {};
    }
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/i18n/rotalo_%1.qm").arg(language))) {
      continue;
    }
    QCoreApplication::installTranslator(own.get());
    Installed().push_back(std::move(own));
    // Qt's translation of its own texts (the message boxes' Yes and No),
    // where the system has it.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(qt.get());
      Installed().push_back(std::move(qt));
    }
    return language;
  }
  return {};
}

}  // namespace rotalo::ui
