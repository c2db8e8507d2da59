// What the program adds to its design: step-by-step playback and the cube
// as text.
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QtTest>

#include "fewest/fewest.h"
#include "form_fixture.h"

using namespace rotalo;
using namespace rotalo::ui;
using rotalo::ui::testing::FormFixture;

namespace {

constexpr char kSolvedText[] = "111111112222222233333333444444445555555566666666123456";

}  // namespace

class MoreOptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void FewestMovesPlaysAShortSolution() {
    FormFixture f;  // starts building the search tables
    const bool tablesStillBuilding = StartFewestTables().wait_for(std::chrono::seconds(0)) != std::future_status::ready;
    f.form->MenuFewest->trigger();
    QVERIFY(f.form->MenuFewest->isChecked());
    f.form->MenuQuickFill->trigger();
    ApplyMoveString(f.vars, "21 43 62 51 33 ");
    bool sawWorking = false;
    QStringList announced;
    f.services.onWait = [&] { sawWorking = sawWorking || f.form->Instruct->text() == QStringLiteral("Working..."); };
    f.services.ThenWhen([&] { return f.form->NextButton->isVisible(); },
                        [&] {
                          announced << f.form->Instruct->text();
                          f.form->NextButton->click();
                        });
    f.services.ThenWhen([&] { return f.form->Play.PlayPos == 2; },
                        [&] {
                          QCOMPARE(f.form->Instruct->text(), QStringLiteral("Solving..."));
                          f.form->PauseButton->click();
                        });
    f.services.ThenWhen([&] { return f.form->BackButton->isVisible(); },
                        [&] {
                          f.form->BackButton->click();
                          QCOMPARE(f.form->Play.PlayPos, 1);
                          f.form->PauseButton->click();
                        });
    f.form->SubmitButton->click();
    QVERIFY(sawWorking || !tablesStillBuilding);
    const int moves = TokenCount(f.form->SolutionText);
    QVERIFY(moves >= 1 && moves <= 5);
    QCOMPARE(announced.front().section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("Your cube has now been solved in %1 moves.").arg(moves));
    QVERIFY(f.services.messages.empty());  // no layers, so no layer messages
    QVERIFY(f.services.AllStepsRun() && !f.services.stuck);
    QVERIFY(IsSolved(f.Cube()));
    QVERIFY(f.form->MenuPatterns->menuAction()->isEnabled());
  }

  void FewestMovesLeavesASolvedCubeAlone() {
    FormFixture f;
    f.form->MenuFewest->trigger();
    f.form->MenuQuickFill->trigger();
    f.services.ThenWhen([&] { return f.form->NextButton->isVisible(); }, [&] { f.form->NextButton->click(); });
    f.form->SubmitButton->click();
    QCOMPARE(f.form->ProgressLabel->text(), QStringLiteral("0 of 0"));
    QVERIFY(f.services.messages.empty());
    QCOMPARE(f.services.beeps, 1);
  }

  void SolutionInStandardNotation() {
    FormFixture f;
    f.form->MenuQuickFill->trigger();
    ApplyMoveString(f.vars, "21 43 62 51 33 ");
    f.services.ThenWhen([&] { return f.form->NextButton->isVisible(); }, [&] { f.form->NextButton->click(); });
    f.form->SubmitButton->click();
    f.services.messages.clear();
    f.form->MenuNotation->trigger();
    const QString text = f.services.messages.at(0).text;
    QVERIFY(text.startsWith("B F' R L' D R' D R F D2 F' D' F' D' F\n(top layer done)\nR' D R D F D' F'"));
    QVERIFY(text.contains("\n(middle layer done)\nL' D' L B D B' L' D L D2"));
  }

  void StepByStepWaitsForTheUserAfterEveryMove() {
    FormFixture f;
    f.form->MenuStep->trigger();
    QVERIFY(f.form->MenuStep->isChecked());
    for (QAction* entry : f.form->MenuP) {
      QVERIFY(!entry->isChecked());
    }
    f.form->MenuQuickFill->trigger();
    ApplyMoveString(f.vars, "21 43 62 51 33 ");
    std::vector<int> waitedAfter;
    const auto stepWait = [&f] {
      return f.form->NextButton->isVisible() && f.form->NextButton->text() == QStringLiteral("&Next Move");
    };
    f.services.ThenWhen([&] { return f.form->NextButton->isVisible(); }, [&] { f.form->NextButton->click(); });
    f.services.ThenWhen(stepWait, [&] {
      waitedAfter.push_back(f.form->Play.PlayPos);
      QVERIFY(!f.form->Timer1->Enabled());
      f.form->NextButton->click();
    });
    f.services.ThenWhen(stepWait, [&] {
      waitedAfter.push_back(f.form->Play.PlayPos);
      QTest::keyClick(f.form.get(), Qt::Key_Space);  // the Space key does the same
    });
    f.services.ThenWhen(stepWait, [&] {
      waitedAfter.push_back(f.form->Play.PlayPos);
      f.form->MenuP[1]->trigger();  // timed pauses again, from this move on
    });
    f.form->SubmitButton->click();
    QCOMPARE(waitedAfter, (std::vector<int>{1, 2, 3}));
    QVERIFY(f.services.AllStepsRun() && !f.services.stuck);
    QCOMPARE(f.services.timerIntervals.back(), 200);  // the celebration's last wait
    QVERIFY(std::count(f.services.timerIntervals.begin(), f.services.timerIntervals.end(), 1000) >= 90);
    QVERIFY(IsSolved(f.Cube()));
  }

  void StepByStepKeepsPauseAndBack() {
    FormFixture f;
    f.form->MenuStep->trigger();
    f.form->MenuQuickFill->trigger();
    ApplyMoveString(f.vars, "21 43 62 51 33 ");
    f.services.ThenWhen([&] { return f.form->NextButton->isVisible(); }, [&] { f.form->NextButton->click(); });
    f.services.ThenWhen([&] { return f.form->NextButton->isVisible(); }, [&] { f.form->NextButton->click(); });
    f.services.ThenWhen([&] { return f.form->Play.PlayPos == 2 && f.form->NextButton->isVisible(); },
                        [&] { f.form->PauseButton->click(); });
    f.services.ThenWhen([&] { return f.form->BackButton->isVisible(); },
                        [&] {
                          QVERIFY(!f.form->NextButton->isVisible());
                          f.form->BackButton->click();
                          QCOMPARE(f.form->Play.PlayPos, 1);
                          f.form->PauseButton->click();
                        });
    // Then every move waits for Next until the end.
    for (int n = 0; n < 120; ++n) {
      f.services.ThenWhen([&] { return f.form->NextButton->isVisible() || f.form->ExitButton->isVisible(); },
                          [&] {
                            if (f.form->NextButton->isVisible()) f.form->NextButton->click();
                          });
    }
    f.form->SubmitButton->click();
    QVERIFY(!f.services.stuck);
    QVERIFY(IsSolved(f.Cube()));
  }

  void CopyCubeAsTextGivesTheColourDigits() {
    FormFixture f;
    f.form->MenuCopyText->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString(54, u'0'));
    f.form->MenuQuickFill->trigger();
    f.form->MenuCopyText->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString(kSolvedText));
    // Once accepted, the cube holds faces; the text still gives colours.
    f.vars.current()[5] = 0;
    f.services.ThenWhen([&] { return f.form->NextButton->isVisible(); },
                        [&] {
                          f.form->MenuCopyText->trigger();
                          f.form->NextButton->click();
                        });
    f.form->MenuQuickFill->trigger();
    f.form->SubmitButton->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString(kSolvedText));
    QVERIFY(!f.form->MenuEnterText->isEnabled());
  }

  void EnterCubeAsTextPaintsOrSaysWhatIsWrong_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("cancelled") << ""
                               << "";
    QTest::newRow("too short") << "1234"
                               << "The text has 4 characters, but a cube is exactly 54 digits.";
    QTest::newRow("a 7") << QString(kSolvedText).replace(9, 1, "7")
                         << "Character 10, \"7\", is not a digit from 0 to 6.";
    QTest::newRow("a letter") << QString(kSolvedText).replace(0, 1, "x")
                              << "Character 1, \"x\", is not a digit from 0 to 6.";
    QTest::newRow("good, with spaces around") << " " + QString(kSolvedText) + " "
                                              << "";
  }
  void EnterCubeAsTextPaintsOrSaysWhatIsWrong() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    FormFixture f;
    f.vars.current()[7] = 3;
    const Buffer before = f.vars.current();
    QGuiApplication::clipboard()->setText(kSolvedText);
    f.services.inputAnswers = {text};
    f.form->MenuEnterText->trigger();
    QCOMPARE(f.services.offered.front(), QString(kSolvedText));
    if (message.isEmpty()) {
      QVERIFY(f.services.messages.empty());
    } else {
      QCOMPARE(f.services.messages.size(), std::size_t{1});
      QCOMPARE(f.services.messages[0].text, message);
    }
    const bool painted = text.trimmed().size() == 54 && message.isEmpty();
    if (painted) {
      std::string digits;
      AppendCubeDigits(digits, f.vars.current());
      QCOMPARE(QString::fromStdString(digits), QString(kSolvedText));
      QCOMPARE(f.PixelAt(115, 100), Colour{0x000080FF});
    } else {
      QCOMPARE(f.vars.current(), before);
    }
  }
};

QTEST_MAIN(MoreOptionsTest)
#include "more_options_test.moc"
