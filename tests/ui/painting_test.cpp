// Painting from the keyboard, Undo and Redo, the painting kept between runs,
// and changes of the cube while a solve runs.
#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QUndoStack>
#include <QtTest>
#include <random>
#include <set>

#include "form_fixture.h"
#include "model/jumble.h"
#include "model/rotation.h"
#include "ui/swatch.h"

using namespace rotalo;
using namespace rotalo::ui;
using rotalo::ui::testing::FormFixture;
using rotalo::ui::testing::kScramble;

namespace {

const QString kSolvedText = "111111112222222233333333444444445555555566666666123456";

bool Uncoloured(const Buffer& cube) {
  return std::all_of(cube.begin() + 1, cube.end(), [](Int16 v) { return v == 0; });
}

// Quick Fill and `tokens` turned, as a painting in colour codes.
Buffer Painted(const std::string& tokens) {
  Vars v;
  FillSolved(v, 0);
  ApplyMoveString(v, tokens);
  return v.current();
}

// Presses Next whenever the program waits for it, and nothing else does.
void NextWheneverAsked(FormFixture& f) {
  f.onIdle = [&f] { return f.w.NextButton->isVisible() && (f.w.NextButton->click(), true); };
}

}  // namespace

class PaintingTest : public QObject {
  Q_OBJECT

 private slots:
  void TheKeyboardPaintsAWholeCubeAndTurnsIt() {
    FormFixture f;
    const Buffer target = Painted(kScramble);
    Vars wanted = f.vars;  // the target, turned along with the drawing
    wanted.current() = target;
    QWidget* pc = f.w.PC;
    QVERIFY(f.Activate());
    pc->setFocus();
    QCOMPARE(QApplication::focusWidget(), pc);
    std::mt19937 random(7);
    const std::array<Qt::Key, 4> arrows{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    // X, Y, Z and the same with Shift bring each face into view in turn.
    const std::array<std::pair<Qt::Key, bool>, 6> turns{{{Qt::Key_X, false},
                                                         {Qt::Key_X, false},
                                                         {Qt::Key_Z, false},
                                                         {Qt::Key_Z, true},
                                                         {Qt::Key_Y, true},
                                                         {Qt::Key_X, false}}};
    for (const auto& [key, shift] : turns) {
      std::set<int> visited;
      for (int n = 0; n < 2000 && visited.size() < kVisibleStickers; ++n) {
        QTest::keyClick(pc, arrows[random() % 4]);
        const StickerPlace place = f.w.Cursor();
        visited.insert(PlaceIndex(place));
        const Int16 code = wanted.current()[std::size_t(StickerAt(place))];
        QTest::keyClick(pc, Qt::Key(Qt::Key_0 + code));
        QCOMPARE(f.w.BrushColour, int{code ? code : f.w.BrushColour});
      }
      QCOMPARE(visited.size(), std::size_t{kVisibleStickers});
      const StickerPlace cursor = f.w.Cursor();
      const int axis = key == Qt::Key_X ? 4 : key == Qt::Key_Y ? 1 : 5;
      Vars turned = f.vars;
      RotateCubeState(turned, axis, shift ? -1 : 1);
      RotateCubeState(wanted, axis, shift ? -1 : 1);
      QTest::keyClick(pc, key, shift ? Qt::ShiftModifier : Qt::NoModifier);
      QCOMPARE(f.vars.current(), turned.current());
      QCOMPARE(f.w.Cursor(), cursor);  // the cursor stays where it was on the drawing
    }
    QCOMPARE(f.vars.current(), wanted.current());
    // Space and Return paint with the chosen brush, Delete and 0 clear.
    f.w.Shape1[3]->setFocus();
    QTest::keyClick(f.w.Shape1[3], Qt::Key_Return);
    QCOMPARE(f.w.BrushColour, 3);
    const std::size_t under = std::size_t(StickerAt(f.w.Cursor()));
    for (const auto& [key, code] : std::initializer_list<std::pair<Qt::Key, int>>{
             {Qt::Key_Delete, 0}, {Qt::Key_Space, 3}, {Qt::Key_0, 0}, {Qt::Key_Return, 3}, {Qt::Key_Backspace, 0}}) {
      QTest::keyClick(pc, key);
      QCOMPARE(int{f.Cube()[under]}, code);
    }
    QTest::keyClick(&f.w, Qt::Key_5);  // a digit elsewhere chooses the brush only
    QVERIFY(f.w.BrushColour == 5 && f.w.Shape1[5]->BorderWidth() == 4 && f.Cube()[under] == 0);
  }

  void ScreenReadersReadEveryStickerAndFollowTheCursor() {
    FormFixture f;
    f.Paint();
    QAccessibleInterface* cube = QAccessible::queryAccessibleInterface(f.w.PC);
    QCOMPARE(cube->text(QAccessible::Name), QStringLiteral("Cube"));
    QCOMPARE(cube->childCount(), kVisibleStickers);
    const QRect drawing(f.w.PC->mapToGlobal(QPoint(0, 0)), f.w.PC->size());
    for (int i = 0; i < kVisibleStickers; ++i) {
      QAccessibleInterface* sticker = cube->child(i);
      QVERIFY(cube->indexOfChild(sticker) == i && sticker->parent() == cube);
      QVERIFY(drawing.contains(sticker->rect()));
      QCOMPARE(cube->childAt(sticker->rect().center().x(), sticker->rect().center().y()), sticker);
    }
    QCOMPARE(cube->child(8)->text(QAccessible::Name), QStringLiteral("Top face, back row, left: Orange"));
    QCOMPARE(cube->child(18)->text(QAccessible::Name), QStringLiteral("Right front face, top row, left: White"));
    QVERIFY(f.Activate());
    f.w.PC->setFocus();
    QTest::keyClick(f.w.PC, Qt::Key_Down);  // onto the right front face, top row, left
    QCOMPARE(cube->focusChild(), cube->child(18));
    QVERIFY(cube->child(18)->state().focused && !cube->child(8)->state().focused);
    QTest::keyClick(f.w.PC, Qt::Key_Delete);
    QCOMPARE(cube->child(18)->text(QAccessible::Name), QStringLiteral("Right front face, top row, left: not coloured"));
  }

  void UndoAndRedoGoOverEveryKindOfStep() {
    FormFixture f;
    QVERIFY(!f.w.MenuUndo->isEnabled() && !f.w.MenuRedo->isEnabled());
    std::vector<Buffer> seen{f.Cube()};
    const auto step = [&](const std::function<void()>& what) {
      what();
      QVERIFY(f.Cube() != seen.back());
      seen.push_back(f.Cube());
    };
    step([&] { QTest::mouseClick(f.w.PC, Qt::LeftButton, {}, QPoint(115, 100)); });
    step([&] { QTest::mouseClick(f.w.PC, Qt::RightButton, {}, QPoint(115, 100)); });
    step([&] { f.w.MenuQuickFill->trigger(); });
    step([&] {
      f.randoms = {0.1F, 0.7F, 0.3F};
      f.w.MenuJumble->trigger();
    });
    step([&] { QTest::mouseClick(f.w.PC, Qt::LeftButton, {}, QPoint(167, 40)); });  // an arrow head
    step([&] { QTest::keyClick(f.w.PC, Qt::Key_Z, Qt::ShiftModifier); });
    step([&] {
      f.w.MenuRotate->trigger();
      f.inputAnswers = {"3", "2"};
      f.w.RotateButton->click();
    });
    step([&] {
      f.inputAnswers = {kSolvedText};
      f.w.MenuEnterText->trigger();
    });
    step([&] { f.w.MenuNewCube->trigger(); });
    QCOMPARE(f.w.PaintingSteps().count(), int(seen.size()) - 1);
    QVERIFY(f.Activate());
    for (std::size_t k = seen.size() - 1; k-- > 0;) {
      QVERIFY(f.w.MenuUndo->isEnabled());
      QTest::keySequence(&f.w, QKeySequence::Undo);
      QCOMPARE(f.Cube(), seen[k]);
    }
    QVERIFY(!f.w.MenuUndo->isEnabled());
    for (std::size_t k = 1; k < seen.size(); ++k) {
      QTest::keySequence(&f.w, k % 2 ? QKeySequence("Ctrl+Shift+Z") : QKeySequence("Ctrl+Y"));
      QCOMPARE(f.Cube(), seen[k]);
    }
    QVERIFY(!f.w.MenuRedo->isEnabled());
    // Where a solve was left off is a step too; Undo goes on to the painting.
    f.Paint(kScramble);
    const Buffer painted = f.Cube();
    Buffer standing{};
    f.PressNext();
    f.After(3, [&] {
      QVERIFY(!f.w.MenuUndo->isEnabled());
      standing = f.Cube();  // home faces, here the same numbers as the colours
      f.w.MenuNewCube->trigger();
    });
    f.w.SubmitButton->click();
    QVERIFY(f.AllStepsRun() && Uncoloured(f.Cube()) && standing != painted);
    f.w.MenuUndo->trigger();
    QCOMPARE(f.Cube(), standing);
    f.w.MenuUndo->trigger();
    QCOMPARE(f.Cube(), painted);
  }

  // Quick Fill, Jumble, Enter Cube as Text and the Rotate button during a
  // solve: the solve ends and they work on the cube as it stood.
  void ChangesOfTheCubeDuringASolveEndItAndWorkOnTheCubeAsItStood_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("moment");  // 0 repair dialogue, 1 announcement, 2 paused, 3 solved
    for (const char* command : {"Quick Fill", "Jumble", "Enter Cube as Text", "Rotate"}) {
      for (int moment = 0; moment < 4; ++moment) {
        const std::array<const char*, 4> moments{"repair dialogue", "announcement", "paused", "solved"};
        QTest::addRow("%s, %s", command, moments[std::size_t(moment)]) << QString(command) << moment;
      }
    }
  }
  void ChangesOfTheCubeDuringASolveEndItAndWorkOnTheCubeAsItStood() {
    QFETCH(QString, command);
    QFETCH(int, moment);
    FormFixture f;
    f.Paint(kScramble);
    if (moment == 0) std::swap(f.Cube()[6], f.Cube()[34]);  // an edge turned over
    f.w.MenuRotate->trigger();
    Buffer expected{};
    const auto change = [&] {
      // Home faces carry the same numbers as the colours of a Quick Fill.
      Vars v = f.vars;
      v.current() = f.Cube();
      f.randoms = {0.2F};  // a turn of face 2, then nineteen of face 4
      f.inputAnswers = {command == "Rotate" ? "4" : kSolvedText, "-1"};
      if (command == "Rotate") {
        f.w.RotateButton->click();
        TurnFace(v, 4, -1);
      } else {
        (command == "Jumble"       ? f.w.MenuJumble
         : command == "Quick Fill" ? f.w.MenuQuickFill
                                   : f.w.MenuEnterText)
            ->trigger();
        command == "Jumble" ? JumbleCube(v, [n = 0]() mutable { return n++ ? 0.5F : 0.2F; })
                            : FillSolved(v, v.CurBuffer);
      }
      expected = v.current();
    };
    if (moment == 0 || moment == 1) f.When([&] { return f.w.NextButton->isVisible(); }, change);
    if (moment >= 2) f.PressNext();
    if (moment == 2) f.PauseAfter(8, change);
    QStringList instructions;
    f.onWait = [&] { instructions << f.w.Instruct->text(); };
    f.w.SubmitButton->click();
    if (moment == 3) change();
    QVERIFY(f.AllStepsRun() && !f.stuck);
    QCOMPARE(f.w.CurrentPhase(), Phase::Painting);
    QVERIFY(f.w.Label1->isVisible() && f.w.SubmitButton->isVisible() && !f.w.PauseButton->isVisible());
    QCOMPARE(f.Cube(), expected);
    QCOMPARE(instructions.filter("Congratulations").isEmpty(), moment < 3);
    // Solved again, from the changed cube.
    f.messages.clear();
    NextWheneverAsked(f);
    f.w.SubmitButton->click();
    QVERIFY(f.SolvedAndDone());
  }

  void NothingElseIsTakenWhileTheCubeIsBeingTurned() {
    FormFixture f;
    f.Paint(kScramble);
    Vars turned = f.vars;
    RotateCubeState(turned, 1, 1);
    // "Solve", a painting click and another arrow head arrive during the turn.
    const auto post = [&](QPoint at) {
      QCoreApplication::postEvent(
          f.w.PC, new QMouseEvent(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    };
    QMetaObject::invokeMethod(
        &f.w, [&] { f.w.SubmitButton->click(); }, Qt::QueuedConnection);
    post(QPoint(115, 100));
    post(QPoint(63, 40));
    f.w.PC_MouseDown(1, 0, 167, 40);
    QCoreApplication::processEvents();
    QCOMPARE(f.Cube(), turned.current());
    QVERIFY(f.w.CurrentPhase() == Phase::Painting && f.messages.isEmpty() && !f.w.Busy());
    f.PressNext();
    f.w.SubmitButton->click();  // afterwards it is
    QVERIFY(f.SolvedAndDone());
  }

  void ThePaintingIsKeptForTheNextRunUnlessTheFileIsDamaged_data() {
    QTest::addColumn<QByteArray>("file");  // the settings file as the next run finds it; empty: as kept
    QTest::addColumn<bool>("kept");
    QTest::newRow("as kept") << QByteArray() << true;
    QTest::newRow("not a settings file") << QByteArray("\xff[[[garbage\n=\n") << false;
    QTest::newRow("digits missing")
        << QByteArray("[painting]\nstickers=1234\ncolours=Orange, Yellow, Green, White, Blue, Red\n") << false;
    QTest::newRow("a digit too large") << QByteArray("[painting]\nstickers=" + QByteArray(53, '1') +
                                                     "9\ncolours=Orange, Yellow, Green, White, Blue, Red\n")
                                       << false;
    QTest::newRow("five colours") << QByteArray("[painting]\nstickers=" + QByteArray(54, '1') +
                                                "\ncolours=Orange, Yellow, Green, White, Blue\n")
                                  << false;
  }
  void ThePaintingIsKeptForTheNextRunUnlessTheFileIsDamaged() {
    QFETCH(QByteArray, file);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    const QString path = dir.filePath("rotalo.ini");
    Buffer painting{};
    {
      FormFixture first(true, {}, path);
      QTest::mouseClick(first.w.PC, Qt::LeftButton, {}, QPoint(115, 100));
      first.w.Shape1[5]->click();
      QTest::mouseClick(first.w.PC, Qt::LeftButton, {}, QPoint(130, 130));
      painting = first.Cube();
    }
    if (!file.isEmpty()) {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write(file);
    }
    FormFixture next(true, {}, path);
    QCOMPARE(next.Cube(), kept ? painting : Buffer{});
    if (!kept) return;
    // Painted in other colours now: a colour not chosen comes back uncoloured.
    {
      FormFixture other(true, {}, path, {6, 1, 2, 3, 5, 0});  // Black, Yellow, Green, White, Red, Orange
      QCOMPARE(other.Cube()[5], Int16{6});                    // Orange
      QCOMPARE(other.Cube()[25], Int16{0});                   // Blue
    }
    next.w.MenuNewCube->trigger();  // forgets it
    FormFixture third(true, {}, path);
    QVERIFY(Uncoloured(third.Cube()));
  }

  void ButtonsAnswerTheKeyboard() {
    FormFixture f;
    QVERIFY(f.Activate());
    f.w.MenuStep->trigger();
    f.Paint(kScramble);
    f.w.SubmitButton->setFocus();
    QStringList seen;
    const auto key = [&](QWidget* to, int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
      return [&f, to, k, m] { QTest::keyClick(to ? to : &f.w, Qt::Key(k), m); };
    };
    // "Go !" by Space on the focused button.
    f.When([&] { return f.w.NextButton->text() == QStringLiteral("Go !"); },
           [&] {
             QCOMPARE(QApplication::focusWidget(), f.w.NextButton);
             key(f.w.NextButton, Qt::Key_Space)();
           });
    // A step waits: Space on the window takes it, Space on the focused Pause
    // pauses; Alt+U resumes, Alt+B steps back.
    f.When([&] { return f.w.NextButton->isVisible() && f.w.Play.PlayPos == 1; }, key(nullptr, Qt::Key_Space));
    f.When([&] { return f.w.NextButton->isVisible() && f.w.Play.PlayPos == 2; },
           [&] {
             f.w.PauseButton->setFocus();
             key(f.w.PauseButton, Qt::Key_Space)();
             seen << f.w.PauseButton->text();
           });
    f.When([&] { return f.w.BackButton->isVisible(); },
           [&] {
             // A button pressed by its access key clicks a moment later.
             QTest::keySequence(&f.w, QKeySequence("Alt+B"));
             QTRY_COMPARE(f.w.ProgressLabel->text(), QStringLiteral("1 of 96"));
             QTest::keySequence(&f.w, QKeySequence("Alt+U"));
             QTRY_COMPARE(f.w.PauseButton->text(), QStringLiteral("Pause"));
             seen << QStringLiteral("back and resumed");
             f.w.MenuP[0]->trigger();  // timed pauses from here on
           });
    key(f.w.SubmitButton, Qt::Key_Return)();
    QCOMPARE(seen, (QStringList{"Resume", "back and resumed"}));
    QVERIFY(f.SolvedAndDone());
  }
};

QTEST_MAIN(PaintingTest)
#include "painting_test.moc"
