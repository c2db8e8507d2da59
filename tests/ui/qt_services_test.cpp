// The real toolkit services, on the offscreen platform.
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "ui/qt_services.h"

using namespace rotalo::ui;

namespace {

// Runs `answer` on the modal box as soon as it is shown.
void WhenModal(std::function<void(QWidget*)> answer) {
  QTimer::singleShot(0, [answer] {
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY(modal != nullptr);
    answer(modal);
  });
}

}  // namespace

class QtServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void MessageBoxesHaveTheStyleAskedFor_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("answer");
    QTest::newRow("0") << 0 << int{QMessageBox::NoIcon} << int{QMessageBox::Ok} << int{QMessageBox::Ok} << 1;
    QTest::newRow("16") << 16 << int{QMessageBox::Critical} << int{QMessageBox::Ok} << int{QMessageBox::Ok} << 1;
    QTest::newRow("48") << 48 << int{QMessageBox::Warning} << int{QMessageBox::Ok} << int{QMessageBox::Ok} << 1;
    QTest::newRow("64") << 64 << int{QMessageBox::Information} << int{QMessageBox::Ok} << int{QMessageBox::Ok} << 1;
    QTest::newRow("308, Yes") << 308 << int{QMessageBox::Warning} << int{QMessageBox::Yes | QMessageBox::No}
                              << int{QMessageBox::Yes} << 6;
    QTest::newRow("308, default") << 308 << int{QMessageBox::Warning} << int{QMessageBox::Yes | QMessageBox::No} << 0
                                  << 7;
  }
  void MessageBoxesHaveTheStyleAskedFor() {
    QFETCH(int, style);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, pressed);
    QFETCH(int, answer);
    QtServices services;
    WhenModal([=](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box);
      QCOMPARE(box->windowTitle(), QStringLiteral("Rotalo"));
      QCOMPARE(box->text(), QStringLiteral("one\ntwo\nthree"));
      QCOMPARE(int{box->icon()}, icon);
      QCOMPARE(int{box->standardButtons()}, buttons);
      QAbstractButton* button = pressed != 0 ? box->button(QMessageBox::StandardButton(pressed)) : box->defaultButton();
      button->click();
    });
    QCOMPARE(services.MsgBox(nullptr, "one\r\ntwo\n\rthree", style), answer);
  }

  void InputBoxGivesTheTextOrNothingWhenCancelled() {
    QtServices services;
    WhenModal([](QWidget* modal) {
      auto* dialog = qobject_cast<QInputDialog*>(modal);
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Rotate"));
      QCOMPARE(dialog->textValue(), QStringLiteral("1"));
      dialog->setTextValue("4");
      dialog->accept();
    });
    QCOMPARE(services.InputBox(nullptr, "Which side?", "Rotate", "1"), QStringLiteral("4"));
    WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QCOMPARE(services.InputBox(nullptr, "Which way?", "Rotate", "1"), QString());
  }

  void TimerFiresOnceWhileTheWaitSleeps() {
    QtServices services;
    int ticks = 0;
    std::unique_ptr<OneShotTimer> timer;
    timer = services.MakeTimer([&] {
      ++ticks;
      timer->SetEnabled(false);
    });
    timer->SetInterval(20);
    timer->SetEnabled(true);
    QVERIFY(timer->Enabled());
    QElapsedTimer clock;
    clock.start();
    QVERIFY(services.WaitUntil([&] { return !timer->Enabled(); }));
    QVERIFY(clock.elapsed() >= 15);
    QCOMPARE(ticks, 1);
    services.SetFrameMillis(5);
    services.HoldFrame();
    services.ProcessEventsOnce();
    QCOMPARE(ticks, 1);
  }

  void MetricsRandomNumbersAndTheDepth() {
    QtServices services;
    QCOMPARE(services.TwipsPerPixelX(), 15);
    QCOMPARE(services.TwipsPerPixelY(), 15);
    QVERIFY(services.ScreenWidthTwips() > 0 && services.ScreenHeightTwips() > 0);
    QCOMPARE(services.ScreenWidthTwips() % 15, 0);
    services.Randomize();
    for (int n = 0; n < 1000; ++n) {
      const float r = services.Rnd();
      QVERIFY(r >= 0.0F && r < 1.0F);
    }
    QWidget window;
    QCOMPARE(services.ScreenDepth(&window), QGuiApplication::primaryScreen()->depth());
    // With no desktop bus, or no screen saver on it, keeping the screen
    // awake does nothing, and ending lets it go.
    services.KeepScreenAwake(true);
    services.KeepScreenAwake(true);
    services.KeepScreenAwake(false);
    QCOMPARE(VersionText(), QStringLiteral("Version 2.2.5"));
  }

  void EndingStopsEveryWaitButNotTheDeletionOfWindows() {
    QtServices services;
    QWidget window;
    window.show();
    QMetaObject::invokeMethod(
        &window, [&] { services.EndProgram(); }, Qt::QueuedConnection);
    QVERIFY(!services.WaitUntil([] { return false; }));
    QVERIFY(services.Ending());
    QVERIFY(!window.isVisible());
    // What was handed over for deletion is still deleted.
    QPointer<QObject> unloaded = new QObject;
    unloaded->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(unloaded.isNull());
    QCOMPARE(services.MsgBox(nullptr, "after the end", 0), 1);  // shown no more
    QCOMPARE(services.InputBox(nullptr, "after the end", "Rotalo", "x"), QString());
  }
};

QTEST_MAIN(QtServicesTest)
#include "qt_services_test.moc"
