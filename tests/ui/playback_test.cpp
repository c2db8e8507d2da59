// "&Solve" in the main window: the entry check, the repair dialogue, the
// playback with its counter, pauses and Back, and the patterns.
#include <QAction>
#include <QMenu>
#include <QtTest>

#include "form_fixture.h"
#include "model/rotation.h"
#include "playback/patterns.h"

using namespace rotalo;
using namespace rotalo::ui;
using rotalo::ui::testing::FormFixture;

namespace {

// The solved cube painted with Quick Fill, then turned by `tokens`.
void Paint(FormFixture& f, const std::string& tokens = {}) {
  f.form->MenuQuickFill->trigger();
  ApplyMoveString(f.vars, tokens);
  f.form->DrawCube();
}

// Presses "&Next -->" (or "Go !") at the next wait for it, noting the
// instruction shown then.
void PressNext(FormFixture& f, QStringList* instructions = nullptr) {
  f.services.ThenWhen([&f] { return f.form->NextButton->isVisible(); },
                      [&f, instructions] {
                        if (instructions) {
                          *instructions << f.form->Instruct->text();
                        }
                        f.form->NextButton->click();
                      });
}

std::vector<QString> Texts(const FormFixture& f) {
  std::vector<QString> texts;
  for (const auto& m : f.services.messages) {
    texts.push_back(m.text);
  }
  return texts;
}

const QString kTop = QStringLiteral("The top layer is now complete.");
const QString kMiddle = QStringLiteral("The middle layer is now complete.");

}  // namespace

class PlaybackTest : public QObject {
  Q_OBJECT

 private slots:
  void RejectedPaintingsKeepTheirColours_data() {
    QTest::addColumn<QList<int>>("facelets");  // values set, as facelet, value pairs
    QTest::addColumn<QString>("message");
    QTest::newRow("uncoloured") << QList<int>{10, 0} << "You must colour in ALL of the sides";
    QTest::newRow("centres") << QList<int>{49, 2, 9, 1} << "The six centres must be different colours";
    QTest::newRow("counts") << QList<int>{1, 2, 3, 5} << "There must be nine Blue pieces";
    QTest::newRow("edge") << QList<int>{2, 5, 34, 1} << "There should be no Blue and Green piece.";
    QTest::newRow("corner order") << QList<int>{1, 2, 9, 1}
                                  << "The colours on the Yellow, Orange and Green piece are in the wrong order.";
  }
  void RejectedPaintingsKeepTheirColours() {
    QFETCH(QList<int>, facelets);
    QFETCH(QString, message);
    FormFixture f;
    Paint(f);
    for (qsizetype k = 0; k < facelets.size(); k += 2) {
      f.Cube()[static_cast<std::size_t>(facelets[k])] = static_cast<Int16>(facelets[k + 1]);
    }
    const Buffer painted = f.Cube();
    f.form->SubmitButton->click();
    QCOMPARE(Texts(f), std::vector<QString>{message});
    QCOMPARE(f.services.messages[0].style, int{kExclamation});
    QCOMPARE(f.Cube(), painted);
    QVERIFY(std::equal(f.vars.FaceColourValue.begin() + 1, f.vars.FaceColourValue.end(),
                       f.vars.ChosenColourValue.begin() + 1));
    QVERIFY(f.form->SubmitButton->isVisible() && f.form->Label1->isVisible());

    // Mended, the painting is accepted and solved.
    f.form->MenuQuickFill->trigger();
    PressNext(f);
    f.form->SubmitButton->click();
    QVERIFY(!f.form->Label1->isVisible() && !f.form->SubmitButton->isVisible());
    QVERIFY(f.services.AllStepsRun() && !f.services.stuck);
    QVERIFY(IsSolved(f.Cube()));
  }

  void AnAlreadySolvedCubeTakesNoMoves() {
    FormFixture f;
    Paint(f);
    QStringList announced;
    PressNext(f, &announced);
    QStringList shown;
    f.services.onMessage = [&](const auto&) { shown << f.form->Instruct->text(); };
    f.form->SubmitButton->click();
    QVERIFY(announced.front().startsWith("Your cube has now been solved in 0 moves.\n\nIt is recommended"));
    QCOMPARE(Texts(f), (std::vector<QString>{kTop, kMiddle}));
    QCOMPARE(f.services.messages[0].style, int{kInformation});
    QCOMPARE(shown, (QStringList{"Solving top layer...", "Solving top layer..."}));
    QCOMPARE(f.form->ProgressLabel->text(), QStringLiteral("0 of 0"));
    QCOMPARE(f.form->Instruct->text(), QStringLiteral("Congratulations!  Your whole cube is now complete.\n\n"
                                                      "Use the Patterns menu to apply patterns to your cube."));
    QCOMPARE(f.services.beeps, 1);
    QVERIFY(f.form->ExitButton->isVisible() && !f.form->PauseButton->isVisible());
    QVERIFY(f.form->MenuPatterns->menuAction()->isEnabled());
    QVERIFY(f.form->MenuPat[1]->isEnabled());
    QVERIFY(f.vars.MoveString.size() > 0 || f.vars.RecordMoves == 1);
  }

  void TheNinetySixMovePlaybackSolvesTheCube() {
    FormFixture f;
    Paint(f, "21 43 62 51 33 ");
    QStringList seen;
    f.services.onWait = [&] {
      const QString text = f.form->ProgressLabel->text();
      if (seen.isEmpty() || seen.back() != text) seen << text;
    };
    QStringList announced;
    PressNext(f, &announced);
    f.form->SubmitButton->click();
    QVERIFY(announced.front().startsWith("Your cube has now been solved in 96 moves."));
    QCOMPARE(seen.back(), QStringLiteral("96 of 96"));
    QVERIFY(seen.contains("1 of 96") && seen.contains("48 of 96"));
    QCOMPARE(Texts(f), (std::vector<QString>{kTop, kMiddle}));
    QVERIFY(IsSolved(f.Cube()));
    QVERIFY(f.form->MenuPatterns->menuAction()->isEnabled());
    QCOMPARE(f.form->Gage->width(), f.form->ProgressLabel->width());
    QCOMPARE(f.vars.RecordMoves, Int16{1});
    QVERIFY(!f.services.stuck);
  }

  void PauseEndsTheWaitAndResumeWaitsOnceMore() {
    FormFixture f(false);  // three seconds between moves
    Paint(f, "21 43 62 51 33 ");
    PressNext(f);
    bool pausedAtOnce = false;
    bool fullPauseAfterResume = false;
    int firingsAtPause = 0;
    f.services.ThenWhen([&] { return f.form->Play.PlayPos == 3 && f.form->Timer1->Enabled(); },
                        [&] {
                          firingsAtPause = f.services.timerFirings;
                          f.form->PauseButton->click();
                          pausedAtOnce = !f.form->Timer1->Enabled();
                        });
    f.services.ThenWhen([&] { return f.form->BackButton->isVisible(); },
                        [&] {
                          QCOMPARE(f.form->PauseButton->text(), QStringLiteral("Resume"));
                          QCOMPARE(f.services.timerFirings, firingsAtPause);  // the pause was cut short
                          f.form->PauseButton->click();
                        });
    f.services.ThenWhen([&] { return !f.form->PauseButton->isEnabled(); },
                        [&] {
                          fullPauseAfterResume = f.form->Timer1->Enabled() &&
                                                 f.services.timerIntervals.back() == 3000 &&
                                                 f.form->Play.PlayPos == 3 && !f.form->BackButton->isVisible();
                        });
    f.form->SubmitButton->click();
    QVERIFY(pausedAtOnce);
    QVERIFY(fullPauseAfterResume);
    QCOMPARE(f.form->PauseButton->text(), QStringLiteral("Pause"));
    QVERIFY(IsSolved(f.Cube()));
  }

  void BackStepsOverAMarkerAndNeverBeforeTheFirstMove() {
    FormFixture f;
    Paint(f, "21 43 62 51 33 ");
    PressNext(f);
    Buffer afterFifteen{};
    Buffer start = f.Cube();
    QStringList labels;
    // Pause after the first move; Back twice (once has nothing left).
    f.services.ThenWhen([&] { return f.form->Play.PlayPos == 1; }, [&] { f.form->PauseButton->click(); });
    f.services.ThenWhen([&] { return f.form->BackButton->isVisible(); },
                        [&] {
                          start = f.vars.Facelet[0];
                          f.form->BackButton->click();
                          labels << f.form->ProgressLabel->text();
                          QVERIFY(!f.form->BackButton->isEnabled());
                          QCOMPARE(f.form->Play.PlayPos, 0);
                          QCOMPARE(f.Cube(), start);
                          f.form->BackButton_Click();  // nothing before the first token
                          QCOMPARE(f.form->Play.PlayPos, 0);
                          QCOMPARE(f.Cube(), start);
                          f.form->PauseButton->click();
                        });
    // Pause after the first move of the middle layer, token 17.
    f.services.ThenWhen([&] { return f.form->Play.PlayPos == 15 && f.form->Timer1->Enabled(); },
                        [&] { afterFifteen = f.Cube(); });
    f.services.ThenWhen([&] { return f.form->Play.PlayPos == 17; }, [&] { f.form->PauseButton->click(); });
    f.services.ThenWhen([&] { return f.form->BackButton->isVisible(); },
                        [&] {
                          f.form->BackButton->click();
                          labels << f.form->ProgressLabel->text();
                          QCOMPARE(f.form->Play.MarkersPassed, 1);
                          f.form->BackButton->click();
                          labels << f.form->ProgressLabel->text();
                          QCOMPARE(f.form->Play.MarkersPassed, 0);
                          QCOMPARE(f.form->Play.PlayPos, 14);
                          f.form->PauseButton->click();
                        });
    f.services.ThenWhen([&] { return f.form->Play.PlayPos == 15 && f.form->Timer1->Enabled(); },
                        [&] { QCOMPARE(f.Cube(), afterFifteen); });
    f.form->SubmitButton->click();
    QCOMPARE(labels, (QStringList{"0 of 96", "15 of 96", "14 of 96"}));
    // The top layer was completed twice, so its message came twice.
    QCOMPARE(Texts(f), (std::vector<QString>{kTop, kTop, kMiddle}));
    QVERIFY(f.services.AllStepsRun());
    QVERIFY(IsSolved(f.Cube()));
  }

  void BackUndoesAHalfTurnAsTwoQuarterTurns() {
    FormFixture f;
    Paint(f, "21 43 62 51 33 ");
    PressNext(f);
    // The top layer's tenth move is a half turn of face 6 ("62").
    Buffer before{};
    f.services.ThenWhen([&] { return f.form->Play.PlayPos == 9 && f.form->Timer1->Enabled(); },
                        [&] { before = f.Cube(); });
    f.services.ThenWhen([&] { return f.form->Play.PlayPos == 10; }, [&] { f.form->PauseButton->click(); });
    f.services.ThenWhen([&] { return f.form->BackButton->isVisible(); },
                        [&] {
                          QCOMPARE(f.form->SolutionText.substr(27, 3), std::string("62 "));
                          const auto animated = f.services.timerIntervals.size();
                          f.form->BackButton->click();
                          QCOMPARE(f.Cube(), before);
                          QCOMPARE(f.services.timerIntervals.size(), animated);
                          f.form->PauseButton->click();
                        });
    f.form->SubmitButton->click();
    QVERIFY(f.services.AllStepsRun());
    QVERIFY(IsSolved(f.Cube()));
  }

  void ReassembledCubesAreRepairedStepByStep_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("corner twisted one way") << "twist1";
    QTest::newRow("corner twisted the other way") << "twist2";
    QTest::newRow("edge flipped") << "flip";
    QTest::newRow("edges exchanged") << "swap";
    QTest::newRow("all three") << "all";
    QTest::newRow("faults elsewhere, scrambled") << "elsewhere";
  }
  void ReassembledCubesAreRepairedStepByStep() {
    QFETCH(QString, fault);
    FormFixture f;
    Paint(f, fault == "elsewhere" ? "21 43 62 51 33 14 " : "");
    Buffer& cube = f.Cube();
    const auto twist = [&](int a, int b, int c) {  // the corner turned in place
      const Int16 old = cube[a];
      cube[a] = cube[b];
      cube[b] = cube[c];
      cube[c] = old;
    };
    const auto swap = [&](int a, int b) { std::swap(cube[a], cube[b]); };
    QString direction;
    if (fault == "twist1" || fault == "all") {
      twist(5, 25, 35);
      twist(5, 25, 35);
      direction = "anticlockwise";
    }
    if (fault == "twist2") {
      twist(5, 25, 35);
      direction = "clockwise";
    }
    if (fault == "flip" || fault == "all") {
      swap(6, 34);
    }
    if (fault == "swap" || fault == "all") {
      swap(4, 6);
      swap(26, 34);
    }
    if (fault == "elsewhere") {
      twist(13, 39, 47);
      swap(22, 44);
    }
    const Buffer painted = cube;

    // What the instructions should name, read off the painting as the
    // user's hands change it.
    const auto name = [&](int k) { return QString::fromStdString(f.vars.ChosenColourName[cube[k]]); };
    QStringList expected{"Twist the top face around like this.",
                         QString("Take out the %1 and %2 piece.").arg(name(6), name(34))};
    if (!direction.isEmpty()) {
      expected << QString("Take out the %1, %2 and %3 piece, turn it %4, and put it back in.")
                      .arg(name(5), name(25), name(35), direction);
    }
    QString where = "back in";
    if (fault == "swap" || fault == "all") {
      where = "in the hole at the front";
      expected << QString("Take out the %1 and %2 piece.").arg(name(4), name(26));
      expected << QString("Put the %1 and %2 piece in the hole on the right, with the %1 side on top.")
                      .arg(name(6), name(34));
      swap(4, 6);
      swap(26, 34);
    }
    if (fault == "flip" || fault == "all") {
      swap(6, 34);
    }
    if (fault != "elsewhere") {
      expected << QString("Put the %1 and %2 piece %3, with the %1 side on top.").arg(name(6), name(34), where);
      expected << "Twist your cube back like this.";
    }
    cube = painted;
    const QString corner = "Take out the " + name(5) + ", " + name(25) + " and " + name(35);

    QStringList instructions;
    for (int n = 0; n < 8; ++n) {
      PressNext(f, &instructions);
    }
    f.form->SubmitButton->click();
    QCOMPARE(f.services.messages.front().style, int{kStop});
    QCOMPARE(f.services.messages.front().text,
             QStringLiteral("It is impossible to solve your cube just by turning the sides.\n"
                            "It has been taken apart and put back together incorrectly\nat some stage.\n\n"
                            "Follow the instructions on screen to fix it."));
    // The last wait is the announcement of the solution.
    QVERIFY(instructions.back().startsWith("Your cube has now been solved in"));
    instructions.removeLast();
    if (fault == "elsewhere") {  // repaired at the same three pieces all the same
      QCOMPARE(instructions.mid(0, 2), expected);
      QVERIFY(instructions[2].startsWith(corner));
    } else {
      QCOMPARE(instructions, expected);
    }
    QVERIFY(!f.services.stuck);
    QVERIFY(IsSolved(f.Cube()));
  }

  void RepairAnimationsHoldTheirFrames() {
    FormFixture f;
    Paint(f);
    std::swap(f.Cube()[5], f.Cube()[25]);
    std::swap(f.Cube()[5], f.Cube()[35]);
    for (int n = 0; n < 6; ++n) {
      PressNext(f);
    }
    f.form->SubmitButton->click();
    // A (out), B (out), 500 ms, C (in: first frame held a second), F (in).
    std::vector<int> expected(14, 100);
    expected.push_back(500);
    expected.push_back(1000);
    expected.insert(expected.end(), 6 + 7, 100);
    const auto& seen = f.services.timerIntervals;
    QVERIFY(seen.size() > expected.size());
    QCOMPARE(std::vector<int>(seen.begin(), seen.begin() + static_cast<long>(expected.size())), expected);
  }

  void PatternsGoOnAndComeOffTheSolvedCube() {
    FormFixture f;
    Paint(f);
    PressNext(f);
    f.form->SubmitButton->click();
    QStringList progress;
    f.services.onWait = [&] {
      const QString text = f.form->ProgressLabel->text();
      if (progress.isEmpty() || progress.back() != text) progress << text;
    };
    const auto face = [&](int facelet) { return int{f.Cube()[facelet]}; };

    f.form->MenuPat[1]->trigger();  // Checks
    QCOMPARE(progress, (QStringList{"0 of 6", "1 of 6", "2 of 6", "3 of 6", "4 of 6", "5 of 6", "6 of 6"}));
    QVERIFY(f.form->MenuPat[1]->isChecked());
    for (int i = 2; i <= 5; ++i) {
      QVERIFY(!f.form->MenuPat[static_cast<std::size_t>(i)]->isEnabled());
    }
    QVERIFY(f.form->MenuPat[1]->isEnabled());
    QCOMPARE(f.form->Instruct->text(), QStringLiteral("Use the Patterns menu again to remove the pattern."));
    for (int fc = 1; fc <= 6; ++fc) {
      for (int p = 1; p <= 8; ++p) {
        QCOMPARE(face(8 * (fc - 1) + p), p % 2 == 1 ? fc : int{OppositeFace(fc)});
      }
    }
    f.form->MenuPat[1]->trigger();
    QVERIFY(IsSolved(f.Cube()));
    QVERIFY(!f.form->MenuPat[1]->isChecked());
    QCOMPARE(progress.back(), QStringLiteral("6 of 6"));
    QCOMPARE(f.form->Instruct->text(), QStringLiteral("Use the Patterns menu to apply patterns to your cube."));

    f.form->MenuPat[2]->trigger();  // Centres
    const std::array<int, 7> others{0, 5, 1, 4, 6, 2, 3};
    for (int fc = 1; fc <= 6; ++fc) {
      QCOMPARE(face(48 + fc), fc);
      for (int p = 1; p <= 8; ++p) {
        QCOMPARE(face(8 * (fc - 1) + p), others[static_cast<std::size_t>(fc)]);
      }
    }
    f.form->MenuPat[2]->trigger();
    for (int i = 3; i <= 5; ++i) {  // the others put on and taken off again
      f.form->MenuPat[static_cast<std::size_t>(i)]->trigger();
      QVERIFY(!IsSolved(f.Cube()));
      f.form->MenuPat[static_cast<std::size_t>(i)]->trigger();
      QVERIFY(IsSolved(f.Cube()));
    }
    for (int i = 1; i <= 5; ++i) {
      QVERIFY(f.form->MenuPat[static_cast<std::size_t>(i)]->isEnabled());
      QVERIFY(!f.form->MenuPat[static_cast<std::size_t>(i)]->isChecked());
    }
    QVERIFY(f.form->ExitButton->isVisible() && !f.form->PauseButton->isVisible());
  }

  void OtherCommandsDuringPlaybackDoNoHarm() {
    FormFixture f;
    Paint(f, "21 43 62 51 33 ");
    PressNext(f);
    f.services.ThenWhen([&] { return f.form->Play.PlayPos == 5; }, [&] { f.form->PauseButton->click(); });
    f.services.ThenWhen([&] { return f.form->BackButton->isVisible(); },
                        [&] {
                          f.form->MenuQuickFill->trigger();
                          f.form->MenuJumble->trigger();  // empties the solution Back reads
                          f.form->BackButton_Click();
                          QVERIFY(!f.form->BackButton->isEnabled());
                          f.form->MenuSolveString->trigger();
                          f.services.inputAnswers = {"2", "-1"};
                          f.form->RotateButton_Click();
                          f.form->MenuR[0]->trigger();
                          f.form->PauseButton->click();
                        });
    f.form->SubmitButton->click();
    QVERIFY(f.services.AllStepsRun() && !f.services.stuck);
    QCOMPARE(f.form->ProgressLabel->text(), QStringLiteral("96 of 96"));
    QVERIFY(f.form->MenuPatterns->menuAction()->isEnabled());
    QVERIFY(f.services.messages.size() >= 3);
    QVERIFY(f.services.messages[0].text.startsWith("31 53 41 23"));
  }

  void EndingWorksInEveryPhase_data() {
    QTest::addColumn<int>("phase");
    QTest::newRow("repair dialogue") << 0;
    QTest::newRow("announcement") << 1;
    QTest::newRow("playback") << 2;
    QTest::newRow("paused") << 3;
    QTest::newRow("celebration") << 4;
  }
  void EndingWorksInEveryPhase() {
    QFETCH(int, phase);
    FormFixture f;
    Paint(f, "21 43 62 51 33 ");
    if (phase == 0) {
      std::swap(f.Cube()[6], f.Cube()[34]);
    }
    const auto close = [&] { f.form->close(); };
    switch (phase) {
      case 0:
        PressNext(f);
        f.services.ThenWhen([&] { return f.form->NextButton->isVisible(); }, close);
        break;
      case 1:
        f.services.ThenWhen([&] { return f.form->NextButton->isVisible(); }, [&] { f.form->ExitButton_Click(); });
        break;
      case 2:
        PressNext(f);
        f.services.ThenWhen([&] { return f.form->Play.PlayPos == 40; }, close);
        break;
      case 3:
        PressNext(f);
        f.services.ThenWhen([&] { return f.form->Play.PlayPos == 7; }, [&] { f.form->PauseButton->click(); });
        f.services.ThenWhen([&] { return f.form->BackButton->isVisible(); }, close);
        break;
      default:
        PressNext(f);
        f.services.ThenWhen([&] { return f.form->ExitButton->isVisible(); }, close);
        break;
    }
    f.form->SubmitButton->click();
    const auto shown = f.services.messages.size();
    QVERIFY(f.services.ended && !f.services.stuck);
    QVERIFY(!f.form->isVisible());
    QCOMPARE(f.services.messages.size(), shown);
    QCOMPARE(f.services.beeps, phase == 4 ? 1 : 0);
  }
};

QTEST_MAIN(PlaybackTest)
#include "playback_test.moc"
