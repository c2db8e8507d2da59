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

class SplashFormTest : public QObject {
  Q_OBJECT

 private slots:
  void ScreenCheckTestsOnlyTheWidth_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("runs");
    QTest::newRow("800 wide") << 800 << 600 << true;
    QTest::newRow("799 wide") << 799 << 600 << false;
    QTest::newRow("1024 by 500") << 1024 << 500 << true;
  }
  void ScreenCheckTestsOnlyTheWidth() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, runs);
    ScriptedServices services;
    services.screenWidthPixels = width;
    services.screenHeightPixels = height;
    App app(services);
    QCOMPARE(app.Start(), runs);
    QCOMPARE(services.ended, !runs);
    QCOMPARE(app.splash->isVisible(), runs);
    if (!runs) {
      QCOMPARE(services.messages.size(), std::size_t{1});
      QCOMPARE(services.messages[0].style, int{kExclamation});
      QCOMPARE(services.messages[0].text,
               QStringLiteral("You must have a screen size of at least 800 x 600 to run Rotalo\n\n"
                              "To change your screen size, go to:\n"
                              "Start ---> Settings ---> Control Panel ---> Display ---> Settings"));
    }
  }

  void WindowIsLaidOutAtAFixedPixelSizeAndCentred() {
    ScriptedServices services;
    SplashForm splash(services);
    QVERIFY(splash.Form_Load());
    QCOMPARE(splash.OuterWidthTwips(), 11022);
    QCOMPARE(splash.OuterHeightTwips(), 7410);
    QCOMPARE(splash.size(), QSize(730, 470));
    QCOMPARE(splash.pos(), QPoint((1024 * 15 - 11022) / 2 / 15, (768 * 15 - 7410) / 2 / 15));
    QCOMPARE(splash.lblVersion->text(), QStringLiteral("Version 2.2.5"));
    QCOMPARE(splash.Label1->text(), QStringLiteral("Welcome to Rotalo!"));
    QCOMPARE(splash.Picture1->pixmap().deviceIndependentSize().toSize(), QSize(298, 105));
    QCOMPARE(splash.Picture2->pixmap().deviceIndependentSize().toSize(), QSize(200, 200));
  }

  void FontsFollowTheHorizontalFactor() {
    // At 12 twips per pixel the window stays 730 x 470 pixels, but the design
    // in twips is smaller in pixels, so the factor and the fonts shrink.
    double points[2] = {};
    for (int tpp : {15, 12}) {
      ScriptedServices services;
      services.twipsPerPixelX = services.twipsPerPixelY = tpp;
      SplashForm splash(services);
      QVERIFY(splash.Form_Load());
      QCOMPARE(splash.size(), QSize(730, 470));
      points[tpp == 15 ? 0 : 1] = splash.lblVersion->font().pointSizeF();
    }
    QVERIFY(qAbs(points[0] - 12 * 730 * 15 / 8700.0) < 0.01);
    QVERIFY(qAbs(points[1] / points[0] - 12.0 / 15.0) < 0.01);
  }

  void ContinueClosesThisWindowBeforeTheColoursOpen() {
    ScriptedServices services;
    App app(services);
    QVERIFY(app.Start());
    bool splashHiddenFirst = false;
    app.splash->onContinue = [&] {
      splashHiddenFirst = !app.splash->isVisible();
      app.colours = std::make_unique<ColoursForm>(services, app.vars);
      app.colours->Form_Load();
    };
    app.splash->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(app.splash.get()));
    QTest::keyClick(app.splash->windowHandle(), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(app.colours);  // a button pressed by its access key clicks a moment later
    QVERIFY(splashHiddenFirst);
    QVERIFY(app.colours->isVisible());
  }

  void QuitEndsTheProgram() {
    ScriptedServices services;
    App app(services);
    QVERIFY(app.Start());
    app.splash->QuitButton->click();
    QVERIFY(services.ended);
    QVERIFY(!app.splash->isVisible());
    QVERIFY(!app.colours);
  }
};

class ColoursFormTest : public QObject {
  Q_OBJECT

  static std::vector<std::string> Names(const Vars& vars) {
    return {vars.ChosenColourName.begin() + 1, vars.ChosenColourName.end()};
  }

 private slots:
  void SixAreTickedAtStartAndNextTakesThem() {
    ScriptedServices services;
    Vars vars;
    ColoursForm form(services, vars);
    QVERIFY(form.Form_Load());
    QVERIFY(services.messages.empty());
    QVERIFY(form.Command1->isEnabled());
    bool opened = false;
    form.onNext = [&] { opened = !form.isVisible(); };
    form.Command1->click();
    QVERIFY(opened);
    QCOMPARE(Names(vars), (std::vector<std::string>{"Orange", "Yellow", "Green", "White", "Blue", "Red"}));
    const std::array<rotalo::Colour, 7> values{0,          0x000080FF, 0x0000FFFF, 0x0000C000,
                                               0x00FFFFFF, 0x00FF0000, 0x000000C0};
    QCOMPARE(vars.ChosenColourValue, values);
    QCOMPARE(vars.FaceColourName[0], std::string("Unknown"));
    QCOMPARE(vars.FaceColourValue[0], rotalo::Colour{0x00C0C0C0});
  }

  void NextNeedsExactlySixAndTakesThemInPaletteOrder() {
    ScriptedServices services;
    Vars vars;
    ColoursForm form(services, vars);
    QVERIFY(form.Form_Load());
    QCOMPARE(form.size(), QSize(550, 340));
    QCOMPARE(form.OuterWidthTwips(), 550 * 15 + 72);
    form.Check1[4]->click();  // White off
    QVERIFY(!form.Command1->isEnabled());
    form.Check1[7]->click();  // Black on
    QVERIFY(form.Command1->isEnabled());
    form.Check1[10]->click();  // a seventh
    QVERIFY(!form.Command1->isEnabled());
    QCOMPARE(vars.TickedCount, rotalo::Int16{7});
    form.Check1[10]->click();
    QVERIFY(form.Command1->isEnabled());
    form.Command1->click();
    QCOMPARE(Names(vars), (std::vector<std::string>{"Orange", "Yellow", "Green", "Blue", "Red", "Black"}));
  }

  void LowColourDisplayIsWarnedAbout_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes goes on") << int{kAnswerYes};
    QTest::newRow("No ends") << int{kAnswerNo};
  }
  void LowColourDisplayIsWarnedAbout() {
    QFETCH(int, answer);
    ScriptedServices services;
    services.pixel = 0x00C0FFF8;  // the light yellow, shown inexactly
    services.msgBoxAnswers.push_back(answer);
    Vars vars;
    ColoursForm form(services, vars);
    QCOMPARE(form.Form_Load(), answer == kAnswerYes);
    QCOMPARE(services.messages.size(), std::size_t{1});
    QCOMPARE(services.messages[0].style, int{kYesNoExclamationDefaultNo});
    QVERIFY(services.messages[0].text.startsWith("Warning: You appear to be running in low colour mode.\n\n"));
    QVERIFY(services.messages[0].text.endsWith("\n\nProceed with Rotalo anyway?"));
    QCOMPARE(services.ended, answer == kAnswerNo);
    QCOMPARE(form.FormReady, answer == kAnswerYes ? 1 : 0);
  }

  void TheWholeWayToTheMainWindow() {
    ScriptedServices services;
    App app(services);
    QVERIFY(app.Start());
    app.splash->SplashContinueButton->click();
    QVERIFY(app.colours && app.colours->isVisible());
    QPointer<ColoursForm> colours = app.colours.get();
    colours->Command1->click();
    QVERIFY(app.solve && app.solve->isVisible());
    QVERIFY(!app.colours && !app.splash);
    QTRY_VERIFY(!colours);  // unloaded
    QCOMPARE(app.vars.FaceColourValue[5], rotalo::Colour{0x00FF0000});
  }
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  int failures = 0;
  SplashFormTest splash;
  failures += QTest::qExec(&splash, argc, argv);
  ColoursFormTest colours;
  failures += QTest::qExec(&colours, argc, argv);
  return failures;
}

#include "start_windows_test.moc"
