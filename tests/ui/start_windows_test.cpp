// The start-up window and the colour choice.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "scripted_services.h"
#include "ui/app.h"
#include "ui/colours_form.h"
#include "ui/solve_form.h"
#include "ui/splash_form.h"

using rotalo::Vars;
using namespace rotalo::ui;
using rotalo::ui::testing::ScriptedServices;
using Names = std::array<std::string, 7>;

class StartWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void StartUpWindowChecksTheWidthKeepsItsSizeAndEnds_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("tpp");        // twips per pixel
    QTest::addColumn<QString>("leave");  // how the user leaves the window, if it opens
    QTest::newRow("1024 by 768, Quit") << 1024 << 768 << 15 << "Quit";
    QTest::newRow("800 wide, 12 twips a pixel, close box") << 800 << 600 << 12 << "close box";
    QTest::newRow("799 wide") << 799 << 600 << 15 << QString();
    QTest::newRow("1024 by 500") << 1024 << 500 << 15 << "Quit";
  }
  void StartUpWindowChecksTheWidthKeepsItsSizeAndEnds() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, tpp);
    QFETCH(QString, leave);
    ScriptedServices services;
    services.screenWidthPixels = width;
    services.screenHeightPixels = height;
    services.twipsPerPixel = tpp;
    App app(services);
    const bool runs = !leave.isEmpty();
    QCOMPARE(app.Start(), runs);
    QCOMPARE(services.ended, !runs);
    QCOMPARE(app.splash->isVisible(), runs);
    QCOMPARE(services.messages.size(), qsizetype{runs ? 0 : 1});
    if (!runs) {
      QCOMPARE(services.styles[0], int{kExclamation});
      QCOMPARE(services.messages[0],
               QStringLiteral("You must have a screen size of at least 800 x 600 to run Rotalo\n\n"
                              "To change your screen size, use the display settings of your desktop."));
      return;
    }
    // The same pixels at any twips per pixel, centred; the fonts follow the
    // factor from the design in twips.
    const SplashForm& splash = *app.splash;
    QCOMPARE(splash.size(), QSize(730, 470));
    if (tpp == 15) QCOMPARE(QSize(splash.OuterWidthTwips(), splash.OuterHeightTwips()), QSize(11022, 7410));
    QCOMPARE(splash.pos(), QPoint((width * tpp - splash.OuterWidthTwips()) / 2 / tpp,
                                  (height * tpp - splash.OuterHeightTwips()) / 2 / tpp));
    QVERIFY(qAbs(splash.lblVersion->font().pointSizeF() - 12 * 730 * tpp / 8700.0) < 0.01);
    QCOMPARE(splash.Picture1->pixmap().deviceIndependentSize().toSize(), QSize(298, 105));
    QCOMPARE(splash.Picture2->pixmap().deviceIndependentSize().toSize(), QSize(200, 200));
    QCOMPARE(splash.lblVersion->text(), QStringLiteral("Version 2.2.5"));
    QCOMPARE(splash.Label1->text(), QStringLiteral("Welcome to Rotalo!"));
    leave == "Quit" ? app.splash->QuitButton->click() : void(app.splash->close());
    QVERIFY(services.ended && !app.splash->isVisible() && !app.colours);
  }

  void LowColourDisplayIsWarnedAboutAndNextNeedsExactlySix_data() {
    QTest::addColumn<int>("depth");   // bits per pixel of the screen
    QTest::addColumn<int>("answer");  // to the warning
    QTest::newRow("true colour") << 24 << 0;
    QTest::newRow("true colour with alpha") << 32 << 0;
    QTest::newRow("16 bits, Yes goes on") << 16 << int{kAnswerYes};
    QTest::newRow("8 bits, No ends") << 8 << int{kAnswerNo};
  }
  void LowColourDisplayIsWarnedAboutAndNextNeedsExactlySix() {
    QFETCH(int, depth);
    QFETCH(int, answer);
    ScriptedServices services;
    services.depth = depth;
    services.msgBoxAnswers.push_back(answer);
    Vars vars;
    ColoursForm form(services, vars);
    const bool goesOn = answer != kAnswerNo;
    QCOMPARE(form.Form_Load(), goesOn);
    QCOMPARE(services.ended, !goesOn);
    QCOMPARE(form.FormReady, goesOn ? 1 : 0);
    QCOMPARE(services.messages.size(), qsizetype{answer ? 1 : 0});
    if (answer) {
      QCOMPARE(services.styles[0], int{kYesNoExclamationDefaultNo});
      QCOMPARE(services.messages[0], QStringLiteral("Warning: You appear to be running in low colour mode.\n\nYou "
                                                    "should increase the number of colours displayed in the display "
                                                    "settings of your desktop.\n\nProceed with Rotalo anyway?"));
    }
    if (!goesOn) return;
    QVERIFY(form.Command1->isEnabled());
    QCOMPARE(form.size(), QSize(550, 340));
    QCOMPARE(form.OuterWidthTwips(), 550 * 15 + 72);
    // White off, Black on, a seventh on and off again: six after every second.
    const std::array<std::size_t, 4> clicks{4, 7, 10, 10};
    for (std::size_t k = 0; k < clicks.size(); ++k) {
      form.Check1[clicks[k]]->click();
      QCOMPARE(form.Command1->isEnabled(), k % 2 == 1);
      QCOMPARE(vars.TickedCount, rotalo::Int16(k == 2 ? 7 : k == 0 ? 5 : 6));
    }
    form.Command1->setFocus();
    QTest::keyClick(form.Command1, Qt::Key_Space);  // Space presses the focused button
    QCOMPARE(vars.ChosenColourName, (Names{"", "Orange", "Yellow", "Green", "Blue", "Red", "Black"}));
    QCOMPARE(services.Settings().value("colours/chosen").toStringList(),
             (QStringList{"Orange", "Yellow", "Green", "Blue", "Red", "Black"}));
  }

  void TheWholeWayToTheMainWindowClosingEachWindowBeforeTheNext() {
    ScriptedServices services;
    App app(services);
    QVERIFY(app.Start());
    bool splashClosedFirst = false;
    app.splash->onContinue = [&, next = app.splash->onContinue] {
      splashClosedFirst = !app.splash->isVisible();
      next();
    };
    app.splash->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(app.splash.get()));
    QTest::keyClick(app.splash->windowHandle(), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(app.colours);  // a button pressed by its access key clicks a moment later
    QVERIFY(splashClosedFirst && app.colours->isVisible() && !app.splash);
    QPointer<ColoursForm> colours = app.colours.get();
    bool coloursClosedFirst = false;
    colours->onNext = [&, next = colours->onNext] {
      coloursClosedFirst = !colours->isVisible();
      next();
    };
    colours->Command1->setFocus();
    QTest::keyClick(colours->Command1, Qt::Key_Return);  // Return presses the focused button
    QVERIFY(coloursClosedFirst && app.solve && app.solve->isVisible() && !app.colours);
    QTRY_VERIFY(!colours);  // unloaded
    QCOMPARE(app.vars.ChosenColourName, (Names{"", "Orange", "Yellow", "Green", "White", "Blue", "Red"}));
    QCOMPARE(app.vars.ChosenColourValue, (std::array<rotalo::Colour, 7>{0, 0x000080FF, 0x0000FFFF, 0x0000C000,
                                                                        0x00FFFFFF, 0x00FF0000, 0x000000C0}));
    QCOMPARE(app.vars.FaceColourName[0], std::string("Unknown"));
    QCOMPARE(app.vars.FaceColourValue[0], rotalo::Colour{0x00C0C0C0});
    QCOMPARE(app.vars.FaceColourValue[5], rotalo::Colour{0x00FF0000});
  }

  void TheColoursChosenLastAreTickedAgainUnlessWhatWasKeptIsDamaged_data() {
    QTest::addColumn<QStringList>("kept");  // as the settings file holds them, as Next keeps them
    QTest::addColumn<QStringList>("ticked");
    const QStringList first{"Orange", "Yellow", "Green", "White", "Blue", "Red"};
    const QStringList chosen{"Orange", "Yellow", "Green", "Blue", "Red", "Black"};
    QTest::newRow("chosen last time") << chosen << chosen;
    QTest::newRow("in another order") << QStringList{"Black", "Red", "Blue", "Green", "Yellow", "Orange"} << chosen;
    QTest::newRow("five") << chosen.mid(0, 5) << first;
    QTest::newRow("one twice") << QStringList{"Red", "Red", "Blue", "Green", "Yellow", "Orange"} << first;
    QTest::newRow("no such colour") << QStringList{"Mauve", "Red", "Blue", "Green", "Yellow", "Orange"} << first;
  }
  void TheColoursChosenLastAreTickedAgainUnlessWhatWasKeptIsDamaged() {
    QFETCH(QStringList, kept);
    QFETCH(QStringList, ticked);
    ScriptedServices services;
    Vars vars;
    services.Settings().setValue("colours/chosen", kept);
    ColoursForm again(services, vars);
    again.Form_Load();
    QStringList shown;
    for (std::size_t i = 1; i <= 10; ++i)
      if (again.Check1[i]->isChecked()) shown << again.Check1[i]->text();
    QCOMPARE(shown, ticked);
    QVERIFY(again.Command1->isEnabled() && vars.TickedCount == 6);
  }
};

QTEST_MAIN(StartWindowsTest)
#include "start_windows_test.moc"
