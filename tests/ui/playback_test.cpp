// "&Solve": the entry check, the repair dialogue, the playback and the patterns.
#include <QAction>
#include <QMenu>
#include <QtTest>

#include "form_fixture.h"
#include "model/jumble.h"
#include "model/rotation.h"
#include "playback/patterns.h"
#include "ui/swatch.h"

using namespace rotalo;
using namespace rotalo::ui;
using namespace rotalo::ui::testing;

const QString kTop = QStringLiteral("The top layer is now complete.");
const QString kMiddle = QStringLiteral("The middle layer is now complete.");

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
    f.Paint();
    for (qsizetype k = 0; k < facelets.size(); k += 2) f.Cube()[facelets[k]] = static_cast<Int16>(facelets[k + 1]);
    const Buffer painted = f.Cube();
    f.w.SubmitButton->click();
    QCOMPARE(f.messages, QStringList{message});
    QCOMPARE(f.styles[0], int{kExclamation});
    QCOMPARE(f.Cube(), painted);
    QVERIFY(std::equal(f.vars.FaceColourValue.begin() + 1, f.vars.FaceColourValue.end(),
                       f.vars.ChosenColourValue.begin() + 1));
    QVERIFY(f.w.SubmitButton->isVisible() && f.w.Label1->isVisible());
    // Mended, the painting is accepted and solved.
    f.w.MenuQuickFill->trigger();
    QVERIFY(f.SolveToTheEnd());
    QVERIFY(!f.w.Label1->isVisible() && !f.w.SubmitButton->isVisible());
  }

  void SolvingPlaysEveryMoveCelebratesAndOffersPatterns_data() {
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<int>("moves");
    QTest::newRow("already solved") << "" << 0;
    QTest::newRow("five turns") << QString::fromStdString(kScramble) << 96;
  }
  void SolvingPlaysEveryMoveCelebratesAndOffersPatterns() {
    QFETCH(QString, tokens);
    QFETCH(int, moves);
    FormFixture f;
    f.Paint(tokens.toStdString());
    QStringList progress, announced, shown;
    f.onWait = [&] {  // every new text of the progress label
      if (progress.isEmpty() || progress.back() != f.w.ProgressLabel->text()) progress << f.w.ProgressLabel->text();
    };
    f.PressNext(&announced);
    f.onMessage = [&] { shown << f.w.Instruct->text(); };
    f.w.SubmitButton->click();
    QCOMPARE(announced.front(), QString("Your cube has now been solved in %1 moves.\n\nYou can change how fast the "
                                        "cube turns, and the delay between moves using the Animation menu at any time.")
                                    .arg(moves));
    QCOMPARE(f.screenAwake, (QList<bool>{true, false}));  // kept awake from the announcement to the end
    QStringList counts{"Progress"};
    for (int n = 0; n <= moves; ++n) counts << QString("%1 of %2").arg(n).arg(moves);
    QCOMPARE(progress, counts);
    QCOMPARE(f.messages, (QStringList{kTop, kMiddle}));
    QCOMPARE(f.styles[0], int{kInformation});
    QCOMPARE(shown, (QStringList{"Solving top layer...", moves ? "Solving middle layer..." : "Solving top layer..."}));
    QCOMPARE(f.w.Instruct->text(), QStringLiteral("Congratulations!  Your whole cube is now complete.\n\n"
                                                  "Use the Patterns menu to apply patterns to your cube."));
    QCOMPARE(f.beeps, 1);
    QVERIFY(f.SolvedAndDone());
    QVERIFY(f.w.MenuPatterns->menuAction()->isEnabled() && f.w.MenuPat[1]->isEnabled());
    QCOMPARE(f.w.Gage->width(), f.w.ProgressLabel->width());
    QCOMPARE(f.vars.RecordMoves, Int16{1});
    // The patterns go on and come off the solved cube.
    const auto face = [&](int facelet) { return int{f.Cube()[facelet]}; };
    progress.clear();
    f.w.MenuPat[1]->trigger();  // Checks
    QCOMPARE(progress, (QStringList{"0 of 6", "1 of 6", "2 of 6", "3 of 6", "4 of 6", "5 of 6", "6 of 6"}));
    for (std::size_t i = 1; i <= 5; ++i) QCOMPARE(f.w.MenuPat[i]->isEnabled(), i == 1);
    QVERIFY(f.w.MenuPat[1]->isChecked());
    QCOMPARE(f.w.Instruct->text(), QStringLiteral("Use the Patterns menu again to remove the pattern."));
    for (int i = 0; i < 48; ++i) QCOMPARE(face(i + 1), i % 2 == 0 ? i / 8 + 1 : int{OppositeFace(i / 8 + 1)});
    f.w.MenuPat[1]->trigger();
    QVERIFY(IsSolved(f.Cube()) && !f.w.MenuPat[1]->isChecked());
    QCOMPARE(progress.back(), QStringLiteral("6 of 6"));
    QCOMPARE(f.w.Instruct->text(), QStringLiteral("Use the Patterns menu to apply patterns to your cube."));
    f.w.MenuPat[2]->trigger();  // Centres
    const std::array<int, 7> others{0, 5, 1, 4, 6, 2, 3};
    for (int i = 0; i < 48; ++i) QCOMPARE(face(i + 1), others[std::size_t(i / 8 + 1)]);
    for (int fc = 1; fc <= 6; ++fc) QCOMPARE(face(48 + fc), fc);
    f.w.MenuPat[2]->trigger();
    for (std::size_t i = 3; i <= 5; ++i) {  // the others put on and taken off again
      f.w.MenuPat[i]->trigger();
      QVERIFY(!IsSolved(f.Cube()));
      f.w.MenuPat[i]->trigger();
      QVERIFY(IsSolved(f.Cube()));
    }
    for (std::size_t i = 1; i <= 5; ++i) QVERIFY(f.w.MenuPat[i]->isEnabled() && !f.w.MenuPat[i]->isChecked());
    QVERIFY(f.w.ExitButton->isVisible() && !f.w.PauseButton->isVisible());
  }

  void PauseResumeAndBack() {
    FormFixture f(false);  // three seconds between moves
    f.Paint(kScramble);
    f.PressNext();
    QStringList labels;
    const auto back = [&] {
      f.w.BackButton->click();
      labels << f.w.ProgressLabel->text();
    };
    // Back after the first move, then once more with nothing before it.
    f.PauseAfter(1, [&] {
      const Buffer start = f.vars.Facelet[0];
      back();
      QVERIFY(!f.w.BackButton->isEnabled());
      f.w.BackButton_Click();
      QCOMPARE(f.w.Play.PlayPos, 0);
      QCOMPARE(f.Cube(), start);
    });
    // Commands that leave the cube alone keep the playback going; Resume
    // waits the full pause once more.
    f.PauseAfter(3, [&] {
      f.w.MenuSolveString->trigger();
      f.w.MenuR[0]->trigger();
      f.w.MenuCopyText->trigger();
      f.w.MenuRotate->trigger();  // shows the button; it turns nothing yet
    });
    f.When([&] { return !f.w.PauseButton->isEnabled(); },
           [&] {
             QVERIFY(f.w.Timer1->Enabled() && f.timerIntervals.back() == 3000);
             QVERIFY(f.w.Play.PlayPos == 3 && !f.w.BackButton->isVisible());
           });
    // The tenth move is a half turn of face 6: Back undoes it at once.
    Buffer beforeTen{};
    f.After(9, [&] { beforeTen = f.Cube(); });
    f.PauseAfter(10, [&] {
      QCOMPARE(f.w.SolutionText.substr(27, 3), std::string("62 "));
      const auto animated = f.timerIntervals.size();
      back();
      QCOMPARE(f.Cube(), beforeTen);
      QCOMPARE(f.timerIntervals.size(), animated);
    });
    // Back from the middle layer's first move, token 17, over the marker.
    Buffer afterFifteen{};
    f.After(15, [&] { afterFifteen = f.Cube(); });
    f.PauseAfter(17, [&] {
      back();
      QCOMPARE(f.w.Play.MarkersPassed, 1);
      back();
      QCOMPARE(f.w.Play.MarkersPassed, 0);
      QCOMPARE(f.w.Play.PlayPos, 14);
    });
    f.After(15, [&] { QCOMPARE(f.Cube(), afterFifteen); });
    f.w.SubmitButton->click();
    QCOMPARE(f.w.PauseButton->text(), QStringLiteral("Pause"));
    QCOMPARE(labels, (QStringList{"0 of 96", "9 of 96", "15 of 96", "14 of 96"}));
    QVERIFY(f.messages.takeFirst().startsWith("31 53 41 23"));  // the solution
    QCOMPARE(f.messages, (QStringList{kTop, kTop, kMiddle}));   // the top layer was completed twice
    QVERIFY(f.SolvedAndDone());
    QCOMPARE(f.w.ProgressLabel->text(), QStringLiteral("96 of 96"));
  }

  void ReassembledCubesAreRepairedStepByStep_data() {
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QList<int>>("swaps");  // facelets exchanged, in pairs; a twist is two
    QTest::addColumn<QStringList>("expected");
    const auto row = [](const char* name, const std::string& tokens, const QList<int>& swaps, QStringList steps) {
      steps.prepend("Twist the top face around like this.");
      QTest::newRow(name) << QString::fromStdString(tokens) << swaps << (steps << "Twist your cube back like this.");
    };
    const auto out = [](const char* piece) { return QString("Take out the %1 piece.").arg(piece); };
    const auto turn = [](const char* piece, const char* way) {
      return QString("Take out the %1 piece, turn it %2, and put it back in.").arg(piece, way);
    };
    const auto put = [](const char* a, const char* b, const char* where = "back in") {
      return QString("Put the %1 and %2 piece %3, with the %1 side on top.").arg(a, b, where);
    };
    const char* right = "in the hole on the right";
    const char* front = "in the hole at the front";
    const QList<int> twice{5, 25, 25, 35, 5, 25, 25, 35};
    row("corner twisted one way", "", twice,
        {out("Orange and Blue"), turn("Blue, Orange and White", "anticlockwise"), put("Orange", "Blue")});
    row("corner twisted the other way", "", {5, 25, 25, 35},
        {out("Orange and Blue"), turn("White, Blue and Orange", "clockwise"), put("Orange", "Blue")});
    row("edge flipped", "", {6, 34}, {out("Blue and Orange"), put("Orange", "Blue")});
    row("edges exchanged", "", {4, 6, 26, 34},
        {out("Orange and White"), out("Orange and Blue"), put("Orange", "White", right), put("Orange", "Blue", front)});
    row("all three", "", twice + QList<int>{6, 34, 4, 6, 26, 34},
        {out("Orange and White"), turn("Blue, Orange and White", "anticlockwise"), out("Blue and Orange"),
         put("Orange", "White", right), put("Orange", "Blue", front)});
    // Turned to the same three pieces and repaired there all the same.
    row("faults elsewhere, scrambled", kScramble + "14 ", {13, 39, 39, 47, 22, 44},
        {out("Yellow and Orange"), turn("Yellow, Green and Orange", "clockwise"), put("Orange", "Yellow")});
  }
  void ReassembledCubesAreRepairedStepByStep() {
    QFETCH(QString, tokens);
    QFETCH(QList<int>, swaps);
    QFETCH(QStringList, expected);
    FormFixture f;
    f.Paint(tokens.toStdString());
    for (qsizetype k = 0; k < swaps.size(); k += 2) std::swap(f.Cube()[swaps[k]], f.Cube()[swaps[k + 1]]);
    QStringList instructions;
    for (qsizetype n = 0; n <= expected.size(); ++n) f.PressNext(&instructions);
    f.w.SubmitButton->click();
    QCOMPARE(f.styles.front(), int{kStop});
    QCOMPARE(f.messages.front(),
             QStringLiteral("It is impossible to solve your cube just by turning the sides.\n"
                            "It has been taken apart and put back together incorrectly\nat some stage.\n\n"
                            "Follow the instructions on screen to fix it."));
    QVERIFY(instructions.takeLast().startsWith("Your cube has now been solved in"));  // the last wait
    QCOMPARE(instructions, expected);
    QVERIFY(f.SolvedAndDone());
    if (swaps.size() == 8) {  // the corner alone: A, B (out), 500 ms, C (in, first frame held 1 s), F (in)
      QList<int> held(29, 100);
      held[14] = 500;
      held[15] = 1000;
      QCOMPARE(f.timerIntervals.mid(0, 29), held);
    }
  }

  // Closing the window ends the program in every phase of a solve. New Cube
  // ends the solve the same way but returns to painting an uncoloured cube,
  // ready for a second one; Quick Fill, Jumble, Enter Cube as Text and the
  // Rotate button end it too and work on the cube as it stood.
  void EndingTheSolveInEveryPhase_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("messages");  // shown before the end; none after it
    const std::array<const char*, 8> phases{"repair dialogue", "announcement", "playback", "paused",
                                            "celebration",     "step wait",    "pattern",  "solved"};
    const std::array<int, 8> messages{1, 0, 1, 0, 2, 0, 2, 2};
    const QStringList commands{"close", "New Cube", "Quick Fill", "Jumble", "Enter Cube as Text", "Rotate"};
    for (qsizetype k = 0; k < commands.size(); ++k) {
      for (int phase = 0; phase < 8; ++phase) {
        if (k >= 2 && phase != 0 && phase != 1 && phase != 3 && phase != 7) continue;  // the changes: four phases
        QTest::addRow("%s, %s", qPrintable(commands[k]), phases[std::size_t(phase)])
            << commands[k] << phase << messages[std::size_t(phase)];
      }
    }
  }
  void EndingTheSolveInEveryPhase() {
    QFETCH(QString, command);
    QFETCH(int, phase);
    QFETCH(int, messages);
    FormFixture f;
    f.Paint(kScramble);
    if (command == "Rotate") f.w.MenuRotate->trigger();
    Buffer expected{};
    const auto end = [&] {
      // Home faces carry the same numbers as the colours of a Quick Fill.
      Vars v = f.vars;
      v.current() = f.Cube();
      f.randoms = {0.2F};  // a turn of face 2, then nineteen of face 4
      f.inputAnswers = {command == "Rotate" ? "4" : kSolvedText, "-1"};
      if (command == "close") f.w.close();
      if (command == "New Cube") f.w.MenuNewCube->trigger();
      if (command == "Quick Fill") f.w.MenuQuickFill->trigger();
      if (command == "Enter Cube as Text") f.w.MenuEnterText->trigger();
      if (command == "Quick Fill" || command == "Enter Cube as Text") FillSolved(v, v.CurBuffer);
      if (command == "Jumble") {
        f.w.MenuJumble->trigger();
        JumbleCube(v, [n = 0]() mutable { return n++ ? 0.5F : 0.2F; });
      }
      if (command == "Rotate") {
        f.w.RotateButton->click();
        TurnFace(v, 4, -1);
      }
      expected = v.current();
    };
    if (phase == 0) std::swap(f.Cube()[6], f.Cube()[34]);  // an edge turned over
    if (phase == 5) f.w.MenuStep->trigger();
    if (phase != 1) f.NextWheneverAsked();
    if (phase == 0 || phase == 1) f.When([&] { return f.w.NextButton->isVisible(); }, end);
    if (phase == 2) f.After(20, end);
    if (phase == 3) f.PauseAfter(7, end);
    if (phase == 4) f.When([&] { return f.w.ExitButton->isVisible(); }, end);
    if (phase == 5) f.When([&] { return f.w.NextButton->isVisible() && f.w.Play.PlayPos == 4; }, end);
    QStringList instructions;
    f.onWait = [&] { instructions << f.w.Instruct->text(); };
    f.w.SubmitButton->click();
    if (phase == 6) {
      f.When([&] { return f.w.Play.PlayPos == 3; }, end);
      f.w.MenuPat[2]->trigger();
    }
    if (phase == 7) end();
    QVERIFY(!f.stuck && f.AllStepsRun());
    QVERIFY(f.screenAwake.isEmpty() || !f.screenAwake.back());  // the screen is let go of, however it ended
    QCOMPARE(f.messages.size(), qsizetype{messages});
    const bool celebrated = phase >= 4 && phase != 5;
    QCOMPARE(f.beeps, celebrated ? 1 : 0);
    QCOMPARE(!instructions.filter("Congratulations").isEmpty(), celebrated);
    if (command == "close") {
      QVERIFY(f.ended && !f.w.isVisible());
      return;
    }
    // Back to painting, in the colours chosen.
    QVERIFY(!f.ended && f.w.CurrentPhase() == Phase::Painting);
    QVERIFY(command == "New Cube" ? f.Uncoloured() : f.Cube() == expected);
    QVERIFY(f.w.Label1->isVisible() && f.w.SubmitButton->isVisible() && f.w.Shape1[6]->isVisible());
    for (QWidget* hidden : std::initializer_list<QWidget*>{f.w.NextButton, f.w.PauseButton, f.w.BackButton,
                                                           f.w.ExitButton, f.w.Gage, f.w.ProgressLabel})
      QVERIFY(!hidden->isVisible());
    QVERIFY(!f.w.MenuPatterns->menuAction()->isEnabled() && f.w.MenuEnterText->isEnabled());
    QVERIFY(f.w.Instruct->text().startsWith("- Click on a brush colour from the Paint Box."));
    QCOMPARE(f.w.NextButton->text(), QStringLiteral("&Next -->"));
    QCOMPARE(f.vars.ChosenColourName[5], std::string("Blue"));
    // Solved again: a second cube painted, or the changed one.
    f.messages.clear();
    if (command == "New Cube") f.Paint("21 ");
    QVERIFY(f.SolveToTheEnd());
    if (command == "New Cube") QCOMPARE(f.messages.size(), qsizetype{2});
  }
};

QTEST_MAIN(PlaybackTest)
#include "playback_test.moc"
