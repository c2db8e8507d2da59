// Painting from the keyboard, screen readers, Undo and Redo, and the painting
// kept between runs.
#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QUndoStack>
#include <QtTest>
#include <random>
#include <set>

#include "form_fixture.h"
#include "model/rotation.h"
#include "ui/swatch.h"

using namespace rotalo;
using namespace rotalo::ui;
using namespace rotalo::ui::testing;

class PaintingTest : public QObject {
  Q_OBJECT

 private slots:
  void TheKeyboardPaintsAWholeCubeAndTurnsIt() {
    FormFixture f;
    Vars wanted = f.vars;  // the target, turned along with the drawing
    FillSolved(wanted, wanted.CurBuffer);
    ApplyMoveString(wanted, kScramble);
    QWidget* pc = f.w.PC;
    QVERIFY(f.Activate());
    pc->setFocus();
    QCOMPARE(QApplication::focusWidget(), pc);
    std::mt19937 random(7);
    const std::array<Qt::Key, 4> arrows{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    // X, Y, Z and the same with Shift bring each face into view in turn.
    const std::array<QKeyCombination, 6> turns{
        Qt::Key_X, Qt::Key_X, Qt::Key_Z, Qt::SHIFT | Qt::Key_Z, Qt::SHIFT | Qt::Key_Y, Qt::Key_X};
    for (const QKeyCombination turn : turns) {
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
      const int axis = turn.key() == Qt::Key_X ? 4 : turn.key() == Qt::Key_Y ? 1 : 5;
      const int way = turn.keyboardModifiers() == Qt::ShiftModifier ? -1 : 1;
      Vars turned = f.vars;
      RotateCubeState(turned, axis, way);
      RotateCubeState(wanted, axis, way);
      QTest::keyClick(pc, turn.key(), turn.keyboardModifiers());
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
    step([&] { f.Click(115, 100); });
    step([&] { f.Click(115, 100, Qt::RightButton); });
    step([&] { f.w.MenuQuickFill->trigger(); });
    step([&] {
      f.randoms = {0.1F, 0.7F, 0.3F};
      f.w.MenuJumble->trigger();
    });
    step([&] { f.Click(167, 40); });  // an arrow head
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
    QVERIFY(f.AllStepsRun() && f.Uncoloured() && standing != painted);
    f.w.MenuUndo->trigger();
    QCOMPARE(f.Cube(), standing);
    f.w.MenuUndo->trigger();
    QCOMPARE(f.Cube(), painted);
  }

  // The painting and the menu choices.
  void WhatWasDoneIsKeptForTheNextRunUnlessTheFileIsDamaged_data() {
    QTest::addColumn<QByteArray>("file");  // the settings file as the next run finds it; empty: as kept
    QTest::addColumn<bool>("kept");
    QTest::newRow("as kept") << QByteArray() << true;
    QTest::newRow("not a settings file") << QByteArray("\xff[[[garbage\n=\n") << false;
    const auto kept = [](const QByteArray& stickers,
                         const QByteArray& colours = "Orange, Yellow, Green, White, Blue, Red") {
      return "[painting]\nstickers=" + stickers + "\ncolours=" + colours + "\n";
    };
    QTest::newRow("digits missing") << kept("1234") << false;
    QTest::newRow("a digit too large") << kept(QByteArray(53, '1') + "9") << false;
    QTest::newRow("five colours") << kept(QByteArray(54, '1'), "Orange, Yellow, Green, White, Blue") << false;
    QTest::newRow("choices out of range") << QByteArray("[animation]\nframes=7\npause=9\n") << false;
  }
  void WhatWasDoneIsKeptForTheNextRunUnlessTheFileIsDamaged() {
    QFETCH(QByteArray, file);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    const QString path = dir.filePath("rotalo.ini");
    Buffer painting{};
    {
      FormFixture first(true, {}, path);
      first.Click(115, 100);
      first.w.Shape1[5]->click();
      first.Click(130, 130);
      painting = first.Cube();
      for (QAction* choice : {first.w.MenuR[4], first.w.MenuStep, first.w.MenuRotate, first.w.MenuFewest})
        choice->trigger();
    }
    if (!file.isEmpty()) {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write(file);
    }
    FormFixture next(false, {}, path);
    QCOMPARE(next.Cube(), kept ? painting : Buffer{});
    // 10 frames, Step by Step, the Rotate button and Fewest Moves; or as at a first run.
    QCOMPARE(next.w.Draw.FramesPerTurn, kept ? 10 : 6);
    QVERIFY(next.w.MenuR[4]->isChecked() == kept && next.w.MenuR[2]->isChecked() != kept);
    QVERIFY(next.w.StepByStep == kept && next.w.MenuP[3]->isChecked() != kept);
    QCOMPARE(next.w.PauseMillis, kept ? 1 : 3000);
    QVERIFY(next.w.RotateButton->isVisible() == kept && next.w.MenuRotate->isChecked() == kept);
    QCOMPARE(next.w.MenuFewest->isChecked(), kept);
    if (!kept) return;
    // Painted in other colours now: a colour not chosen comes back uncoloured.
    {
      FormFixture other(true, {}, path, {6, 1, 2, 3, 5, 0});  // Black, Yellow, Green, White, Red, Orange
      QCOMPARE(other.Cube()[5], Int16{6});                    // Orange
      QCOMPARE(other.Cube()[25], Int16{0});                   // Blue
    }
    next.w.MenuNewCube->trigger();  // forgets it
    FormFixture third(true, {}, path);
    QVERIFY(third.Uncoloured());
  }
};

QTEST_MAIN(PaintingTest)
#include "painting_test.moc"
