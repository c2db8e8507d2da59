// Rotalo: paint your own scrambled cube, and watch it solved.
#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include "ui/app.h"
#include "ui/fonts.h"
#include "ui/languages.h"
#include "ui/qt_services.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Rotalo"));
  QApplication::setApplicationName(QStringLiteral("Rotalo"));
  QApplication::setApplicationVersion(QStringLiteral("2.2.5"));
  QApplication::setDesktopFileName(QStringLiteral("rotalo"));
  // The program ends through its own Quit and Exit and the windows' close
  // boxes, not when one window closes to open the next.
  QApplication::setQuitOnLastWindowClosed(false);

  rotalo::ui::InstallTranslations(QLocale::system().uiLanguages());

  // --help and --version; Qt's own options (-platform, -style...) were taken
  // by the application already.
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("main", "Paint your own scrambled cube, and watch it solved move by move."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.process(application);

  rotalo::ui::InstallFontSubstitutes();

  rotalo::ui::QtServices services;
  rotalo::ui::App app(services);
  if (!app.Start()) {
    return 0;
  }
  QApplication::exec();
  return 0;
}
