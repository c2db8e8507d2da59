// Fewest moves, standard notation, step-by-step playback and the cube as text.
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QSemaphore>
#include <QtTest>

#include "fewest/fewest.h"
#include "form_fixture.h"
#include "model/rotation.h"

using namespace rotalo;
using namespace rotalo::ui;
using namespace rotalo::ui::testing;

class MoreOptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void FewestMovesPlaysAShortSolution_data() {
    QTest::addColumn<QString>("tokens");
    QTest::newRow("five turns") << QString::fromStdString(kScramble);
    QTest::newRow("already solved") << QString();
  }
  void FewestMovesPlaysAShortSolution() {
    QFETCH(QString, tokens);
    // The first solve finds the tables still being built, and waits.
    QSemaphore built;
    FormFixture f(true, [&built] {
      EnsureFewestTables();
      built.acquire();
    });
    const auto releaseAtLast = qScopeGuard([&] { built.release(); });
    const bool tablesStillBuilding = !tokens.isEmpty();
    if (tablesStillBuilding) {
      f.When([&] { return f.w.Instruct->text() == QStringLiteral("Working..."); }, [&] { built.release(); });
    } else {
      built.release();
      QTRY_VERIFY(f.w.FewestTablesReady());
    }
    f.w.MenuFewest->trigger();
    QVERIFY(f.w.MenuFewest->isChecked());
    f.Paint(tokens.toStdString());
    bool sawWorking = false;
    f.onWait = [&] { sawWorking = sawWorking || f.w.Instruct->text() == QStringLiteral("Working..."); };
    QStringList announced;
    f.PressNext(&announced);
    if (!tokens.isEmpty()) {
      f.PauseAfter(2, [&] {
        QCOMPARE(f.w.Instruct->text(), QStringLiteral("Solving..."));
        f.w.BackButton->click();
        QCOMPARE(f.w.Play.PlayPos, 1);
      });
    }
    f.w.SubmitButton->click();
    QCOMPARE(sawWorking, tablesStillBuilding);
    const int moves = TokenCount(f.w.SolutionText);
    QVERIFY(moves <= 5 && (moves >= 1) == !tokens.isEmpty());
    QVERIFY(announced.front().startsWith(QString("Your cube has now been solved in %1 moves.\n").arg(moves)));
    QCOMPARE(f.w.ProgressLabel->text(), QStringLiteral("%1 of %1").arg(moves));
    QVERIFY(f.messages.empty());  // no layers, so no layer messages
    QCOMPARE(f.beeps, 1);
    QVERIFY(f.SolvedAndDone());
    QVERIFY(f.w.MenuPatterns->menuAction()->isEnabled());
  }

  void ClosingWhileTheTablesAreBuiltEndsAtOnce() {
    QSemaphore built;
    FormFixture f(true, [&built] { built.acquire(); });
    const auto releaseAtLast = qScopeGuard([&] { built.release(); });
    f.w.MenuFewest->trigger();
    f.Paint(kScramble);
    f.When([&] { return f.w.Instruct->text() == QStringLiteral("Working..."); }, [&] { f.w.close(); });
    f.w.SubmitButton->click();
    QVERIFY(f.ended && !f.stuck && f.AllStepsRun() && f.w.SolutionText.empty());
  }

  // The buttons answer the keyboard here too.
  void StepByStepWaitsAfterEveryMoveKeepsPauseAndBackAndTheSolutionShowsInStandardNotation() {
    FormFixture f;
    QVERIFY(f.Activate());
    f.w.MenuStep->trigger();
    QVERIFY(f.w.MenuStep->isChecked());
    for (QAction* entry : f.w.MenuP) QVERIFY(!entry->isChecked());
    f.Paint(kScramble);
    QList<int> waitedAfter;
    const auto step = [&](std::function<void()> then) {
      f.When([&] { return f.w.NextButton->isVisible() && f.w.NextButton->text() == QStringLiteral("&Next Move"); },
             [&, then] {
               waitedAfter << f.w.Play.PlayPos;
               QVERIFY(!f.w.Timer1->Enabled());
               then();
             });
    };
    f.When([&] { return f.w.NextButton->text() == QStringLiteral("Go !"); },
           [&] {
             QCOMPARE(QApplication::focusWidget(), f.w.NextButton);
             QTest::keyClick(f.w.NextButton, Qt::Key_Space);  // Space presses the focused button
           });
    step([&] { f.w.NextButton->click(); });
    step([&] { QTest::keyClick(&f.w, Qt::Key_Space); });  // the Space key does the same
    step([&] {
      f.w.PauseButton->setFocus();
      QTest::keyClick(f.w.PauseButton, Qt::Key_Space);
      QCOMPARE(f.w.PauseButton->text(), QStringLiteral("Resume"));
    });
    f.When([&] { return f.w.BackButton->isVisible(); },
           [&] {
             QVERIFY(!f.w.NextButton->isVisible());
             // A button pressed by its access key clicks a moment later.
             QTest::keySequence(&f.w, QKeySequence("Alt+B"));
             QTRY_COMPARE(f.w.ProgressLabel->text(), QStringLiteral("2 of 96"));
             QCOMPARE(f.w.Play.PlayPos, 2);
             QTest::keySequence(&f.w, QKeySequence("Alt+U"));
             QTRY_COMPARE(f.w.PauseButton->text(), QStringLiteral("Pause"));
           });
    step([&] { f.w.MenuP[1]->trigger(); });  // timed pauses again, from this move on
    f.w.SubmitButton->setFocus();
    QTest::keyClick(f.w.SubmitButton, Qt::Key_Return);
    QCOMPARE(waitedAfter, (QList<int>{1, 2, 3, 3}));
    QVERIFY(f.SolvedAndDone());
    QCOMPARE(f.timerIntervals.back(), 200);  // the celebration's last wait
    QVERIFY(f.timerIntervals.count(1000) >= 90);
    f.w.MenuNotation->trigger();
    const QString text = f.messages.back();
    QVERIFY(text.startsWith("B F' R L' D R' D R F D2 F' D' F' D' F\n(top layer done)\nR' D R D F D' F'"));
    QVERIFY(text.contains("\n(middle layer done)\nL' D' L B D B' L' D L D2"));
  }

  void CopyCubeAsTextGivesTheColourDigits() {
    FormFixture f;
    const auto copied = [&] {
      f.w.MenuCopyText->trigger();
      return QGuiApplication::clipboard()->text();
    };
    QCOMPARE(copied(), QString(54, u'0'));
    f.Paint();
    QCOMPARE(copied(), kSolvedText);
    RotateCubeState(f.vars, 1, 1);  // the colours' numbers are no longer the faces'
    const QString turned = copied();
    QVERIFY(turned != kSolvedText);
    QVERIFY(f.SolveToTheEnd());
    QCOMPARE(copied(), turned);               // once accepted, the cube holds faces; the text still gives colours
    QVERIFY(f.w.MenuEnterText->isEnabled());  // it would end the solve
  }

  void EnterCubeAsTextPaintsOrSaysWhatIsWrong_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const QString& text, const char* message) {
      QTest::newRow(name) << text << QString(message);
    };
    row("cancelled", {}, "");
    row("too short", "1234", "The text has 4 characters, but a cube is exactly 54 digits.");
    row("a 7", QString(kSolvedText).replace(9, 1, "7"), "Character 10, \"7\", is not a digit from 0 to 6.");
    row("a letter", QString(kSolvedText).replace(0, 1, "x"), "Character 1, \"x\", is not a digit from 0 to 6.");
    row("good, with spaces around", " " + kSolvedText + " ", "");
  }
  void EnterCubeAsTextPaintsOrSaysWhatIsWrong() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    FormFixture f;
    f.Cube()[7] = 3;
    const Buffer before = f.Cube();
    QGuiApplication::clipboard()->setText(kSolvedText);
    f.inputAnswers = {text};
    f.w.MenuEnterText->trigger();
    QCOMPARE(f.offered.front(), kSolvedText);
    QCOMPARE(f.messages, message.isEmpty() ? QStringList{} : QStringList{message});
    if (text.isEmpty() || !message.isEmpty()) {
      QCOMPARE(f.Cube(), before);
    } else {  // copied back, the same text
      f.w.MenuCopyText->trigger();
      QCOMPARE(QGuiApplication::clipboard()->text(), kSolvedText);
      QCOMPARE(f.PixelAt(115, 100), QRgb{0xFF8000});  // orange
    }
  }
};

QTEST_MAIN(MoreOptionsTest)
#include "more_options_test.moc"
