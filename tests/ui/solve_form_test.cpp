// The main window in the painting phase: its layout, painting and picking,
// the arrow heads, and the Animation and Options menus.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QtTest>

#include "checking/entry_check.h"
#include "form_fixture.h"
#include "model/rotation.h"
#include "render/cube_drawing.h"
#include "ui/swatch.h"

using namespace rotalo;
using namespace rotalo::ui;
using rotalo::ui::testing::FormFixture;

namespace {

constexpr Colour kGrey = 0x00C0C0C0;
constexpr Colour kOrange = 0x000080FF;
constexpr Colour kGreen = 0x0000C000;

void Click(FormFixture& f, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(f.form->PC, button, {}, QPoint(x, y));
}

// A scrambled painting, so that every turn and rotation shows.
void FillScrambled(FormFixture& f) {
  f.form->MenuQuickFill->trigger();
  f.services.randoms = {0.1F, 0.7F, 0.3F, 0.9F, 0.5F, 0.2F, 0.8F, 0.4F, 0.6F, 0.0F};
  f.form->MenuJumble->trigger();
}

// How many pixels of the 10 x 10 square at (x, y) are orange.
int OrangeAround(FormFixture& f, int x, int y) {
  int count = 0;
  for (int dy = 0; dy < 10; ++dy) {
    for (int dx = 0; dx < 10; ++dx) {
      count += f.PixelAt(x + dx, y + dy) == kOrange ? 1 : 0;
    }
  }
  return count;
}

}  // namespace

class SolveFormTest : public QObject {
  Q_OBJECT

 private slots:
  void OpensWithTheGreyCubeAndTheFirstBrush() {
    FormFixture f;
    QCOMPARE(f.PixelAt(115, 100), kGrey);
    QCOMPARE(f.PixelAt(130, 130), kGrey);
    QCOMPARE(f.PixelAt(100, 130), kGrey);
    QCOMPARE(f.form->Shape1[1]->BorderWidth(), 4);
    for (int i = 2; i <= 6; ++i) {
      QCOMPARE(f.form->Shape1[static_cast<std::size_t>(i)]->BorderWidth(), 1);
    }
    for (int i = 1; i <= 6; ++i) {
      QCOMPARE(f.form->Shape1[static_cast<std::size_t>(i)]->FillColour(),
               kPalette[static_cast<std::size_t>(i - 1)].value);
    }
    QCOMPARE(f.vars.FaceColourValue[0], kGrey);
    QCOMPARE(f.form->Instruct->text(), QStringLiteral("- Click on a brush colour from the Paint Box.\n\n"
                                                      "- Left click on the cube to colour it in.\n\n"
                                                      "- Right click on the cube to clear a colour.\n\n"
                                                      "- Click on an arrow head to rotate the cube.\n\n"
                                                      "- Click Solve when all six sides are coloured in."));
    QCOMPARE(f.form->OuterWidthTwips(), 11022);
    QCOMPARE(f.form->OuterHeightTwips(), 5748);
    QCOMPARE(f.form->PC->geometry(), QRect(16, 16, 230, 230));
    QCOMPARE(f.form->centralWidget()->size(), QSize(730, 340));
    QVERIFY(f.form->SubmitButton->isVisible());
    QVERIFY(!f.form->MenuPatterns->menuAction()->isEnabled());
    QCOMPARE(f.vars.RecordMoves, Int16{1});
  }

  void ClicksPaintAndClearStickers() {
    FormFixture f;
    Click(f, 115, 100);
    QCOMPARE(f.Cube()[5], Int16{1});
    QCOMPARE(f.PixelAt(115, 100), kOrange);
    f.form->Shape1[3]->click();
    QCOMPARE(f.form->Shape1[3]->BorderWidth(), 4);
    QCOMPARE(f.form->Shape1[1]->BorderWidth(), 1);
    Click(f, 130, 130);
    QCOMPARE(f.Cube()[25], Int16{3});
    QCOMPARE(f.PixelAt(130, 130), kGreen);
    Click(f, 130, 130, Qt::RightButton);
    QCOMPARE(f.Cube()[25], Int16{0});
    QCOMPARE(f.PixelAt(130, 130), kGrey);
    Click(f, 115, 100, Qt::MiddleButton);
    QCOMPARE(f.Cube()[5], Int16{0});
    Click(f, 3, 3);  // the sky: nothing
    QVERIFY(std::all_of(f.Cube().begin() + 1, f.Cube().end(), [](Int16 v) { return v == 0; }));
  }

  void ArrowHeadsRotateTheWholeCube_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("axis");
    QTest::addColumn<int>("direction");
    QTest::newRow("top, right head") << QPoint(167, 40) << 1 << 1;
    QTest::newRow("top, left head") << QPoint(63, 40) << 1 << -1;
    QTest::newRow("right, upper head") << QPoint(206, 108) << 4 << -1;
    QTest::newRow("right, lower head") << QPoint(154, 198) << 4 << 1;
    QTest::newRow("left, upper head") << QPoint(24, 108) << 5 << 1;
    QTest::newRow("left, lower head") << QPoint(76, 198) << 5 << -1;
  }
  void ArrowHeadsRotateTheWholeCube() {
    QFETCH(QPoint, point);
    QFETCH(int, axis);
    QFETCH(int, direction);
    FormFixture f;
    FillScrambled(f);
    Vars expected = f.vars;
    RotateCubeState(expected, axis, direction);
    // A second press arrives while the rotation is shown: it is ignored.
    QCoreApplication::postEvent(f.form->PC, new QMouseEvent(QEvent::MouseButtonPress, QPointF(point), QPointF(point),
                                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    Click(f, point.x(), point.y());
    QCoreApplication::processEvents();
    QCOMPARE(f.vars.current(), expected.current());
    QCOMPARE(f.vars.MoveString, expected.MoveString);
    QCOMPARE(f.form->MouseReady, 1);
  }

  void QuickFillAndJumbleGiveACubeTheChecksAccept() {
    FormFixture f;
    f.form->MenuQuickFill->trigger();
    for (int i = 1; i <= 48; ++i) {
      QCOMPARE(int{f.Cube()[static_cast<std::size_t>(i)]}, (i - 1) / 8 + 1);
    }
    QCOMPARE(f.PixelAt(115, 100), kOrange);
    FillScrambled(f);
    QVERIFY(f.vars.MoveString.empty());
    QCOMPARE(f.vars.Facelet[0], f.vars.current());
    QVERIFY(!IsSolved(f.Cube()));
    Vars check = f.vars;
    QVERIFY(SubmitEntry(check).Accepted());
  }

  void AnimationMenuTicksOneEntryOfEach() {
    FormFixture f(false);
    QCOMPARE(f.form->Draw.FramesPerTurn, 6);
    QCOMPARE(f.form->PauseMillis, 3000);
    QVERIFY(f.form->MenuR[2]->isChecked() && f.form->MenuP[3]->isChecked());
    f.form->MenuR[4]->trigger();
    QCOMPARE(f.form->Draw.FramesPerTurn, 10);
    for (std::size_t k = 0; k < 5; ++k) {
      QCOMPARE(f.form->MenuR[k]->isChecked(), k == 4);
    }
    f.form->MenuP[0]->trigger();
    QCOMPARE(f.form->PauseMillis, 1);
    f.form->MenuP[5]->trigger();
    QCOMPARE(f.form->PauseMillis, 5000);
    for (std::size_t k = 0; k < 6; ++k) {
      QCOMPARE(f.form->MenuP[k]->isChecked(), k == 5);
    }
  }

  void RotateButtonTurnsOneSide() {
    FormFixture f;
    QVERIFY(f.form->RotateButton->isHidden());
    f.form->MenuRotate->trigger();
    QVERIFY(f.form->RotateButton->isVisible() && f.form->MenuRotate->isChecked());
    FillScrambled(f);
    Vars expected = f.vars;
    TurnFace(expected, 1, 1);
    f.services.inputAnswers = {"1", "1"};
    f.form->RotateButton->click();
    QCOMPARE(f.services.prompts, (std::vector<QString>{"Which side?", "Which way?"}));
    QCOMPARE(f.vars.current(), expected.current());
    QCOMPARE(f.vars.MoveString, std::string("11 "));
    f.form->MenuRotate->trigger();
    QVERIFY(f.form->RotateButton->isHidden() && !f.form->MenuRotate->isChecked());
  }

  void RotateButtonRefusesBadAnswers_data() {
    QTest::addColumn<QString>("side");
    QTest::addColumn<QString>("way");
    QTest::newRow("cancelled") << ""
                               << "1";
    QTest::newRow("side not a number") << "top"
                                       << "1";
    QTest::newRow("side 0") << "0"
                            << "1";
    QTest::newRow("side 7") << "7"
                            << "1";
    QTest::newRow("way cancelled") << "1"
                                   << "";
    QTest::newRow("way not a number") << "2"
                                      << "left";
    QTest::newRow("way 0") << "3"
                           << "0";
    QTest::newRow("way 9") << "4"
                           << "9";
  }
  void RotateButtonRefusesBadAnswers() {
    QFETCH(QString, side);
    QFETCH(QString, way);
    FormFixture f;
    FillScrambled(f);
    const Vars before = f.vars;
    f.services.inputAnswers = {side, way};
    f.form->RotateButton_Click();
    QCOMPARE(f.services.messages.size(), std::size_t{1});
    QCOMPARE(f.services.messages[0].style, int{kExclamation});
    QVERIFY(f.services.messages[0].text.startsWith("Please give the"));
    QCOMPARE(f.vars.current(), before.current());
    QCOMPARE(f.vars.MoveString, before.MoveString);
  }

  void GranularityShowsAndSetsTheDrawingSize() {
    FormFixture f;
    f.form->MenuQuickFill->trigger();
    f.form->MenuGran->trigger();
    QVERIFY(f.form->MenuGran->isChecked() && f.form->ScrButton->isVisible());
    for (QLineEdit* box : {f.form->ScrH, f.form->ScrW, f.form->ScrSH, f.form->ScrSW}) {
      QCOMPARE(box->text(), QStringLiteral("230"));
      QVERIFY(box->isVisible());
    }
    QCOMPARE(OrangeAround(f, 220, 190), 0);
    f.form->ScrSH->setText("115");
    f.form->ScrSW->setText("115");
    f.form->ScrButton->click();
    // Sticker 5, around drawing point (110, 95), now lies around pixel
    // (220, 190). Lines one pixel wide leave every other column open.
    QCOMPARE(f.form->PC->size(), QSize(230, 230));
    QVERIFY(OrangeAround(f, 220, 190) > 40);
    f.form->MenuGran->trigger();
    QVERIFY(!f.form->MenuGran->isChecked() && f.form->ScrButton->isHidden() && f.form->ScrH->isHidden());
  }

  void GranularityRefusesBadValues_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << "";
    QTest::newRow("not a number") << "big";
    QTest::newRow("zero") << "0";
    QTest::newRow("negative") << "-5";
    QTest::newRow("too large") << "999999";
  }
  void GranularityRefusesBadValues() {
    QFETCH(QString, value);
    for (int box = 0; box < 4; ++box) {
      FormFixture f;
      f.form->MenuGran->trigger();
      std::array<QLineEdit*, 4>{f.form->ScrH, f.form->ScrW, f.form->ScrSH, f.form->ScrSW}[static_cast<std::size_t>(box)]
          ->setText(value);
      f.form->ScrButton->click();
      QCOMPARE(f.services.messages.size(), std::size_t{1});
      QCOMPARE(f.form->PC->size(), QSize(230, 230));
      QCOMPARE(f.form->PC->ScaleWidth(), 230.0);
      QCOMPARE(f.form->PC->ScaleHeight(), 230.0);
    }
  }

  void TwipsShowsTheWindowsMeasurements() {
    FormFixture f;
    f.form->MenuTwips->trigger();
    QCOMPARE(f.services.messages.size(), std::size_t{3});
    QCOMPARE(f.services.messages[0].text, QStringLiteral("Twips: (15,15)"));
    QCOMPARE(f.services.messages[1].text, QStringLiteral("Actual: (11022,5748)"));
    QCOMPARE(f.services.messages[2].text, QStringLiteral("Scale: (730,340)"));
    QCOMPARE(f.services.messages[0].style, int{kOkOnly});
  }

  void DrawsSharplyOnScreensWithMorePixels() {
    // The same cube on a box with two device pixels for each of its own.
    Vars vars;
    ChooseColours(vars, {0, 1, 2, 3, 4, 5});
    FillSolved(vars, 0);
    TurnFace(vars, 4, 1);
    PictureBox single(nullptr, 1);
    PictureBox twice(nullptr, 2);
    for (PictureBox* box : {&single, &twice}) {
      box->SetBoxSize(230, 230);
      box->SetBoxScale(230, 230);
      DrawCube(box->canvas(), DrawContext{}, vars);
    }
    const QImage one = single.surface().Image();
    const QImage two = twice.surface().Image();
    QCOMPARE(two.size(), QSize(460, 460));
    QSet<QRgb> cube{qRgb(0, 0, 0)};
    for (int f = 1; f <= 6; ++f) {
      cube.insert(QtCanvas::ToQColor(vars.FaceColourValue[static_cast<std::size_t>(f)]).rgb());
    }
    // Each pixel of the plain picture is a block of four in the finer one;
    // all four have its colour, but where a slanting line is drawn finer.
    int same = 0;
    int differ = 0;
    for (int y = 0; y < 230; ++y) {
      for (int x = 0; x < 230; ++x) {
        const QRgb c = one.pixel(x, y);
        if (!cube.contains(c)) {
          continue;  // the sky, smoothed at either size
        }
        const bool agree = two.pixel(2 * x, 2 * y) == c && two.pixel(2 * x + 1, 2 * y) == c &&
                           two.pixel(2 * x, 2 * y + 1) == c && two.pixel(2 * x + 1, 2 * y + 1) == c;
        (agree ? same : differ) += 1;
      }
    }
    // About one in fourteen differ, along the slanting outlines; a picture
    // shifted by a device pixel has one in eight.
    QVERIFY2(differ * 10 < same + differ, qPrintable(QString("%1 of %2 differ").arg(differ).arg(same + differ)));
  }

  void ClosingDuringAnAnimationEndsAtOnce() {
    FormFixture f;
    FillScrambled(f);
    bool laterHandlerRan = false;
    QMetaObject::invokeMethod(
        f.form.get(), [&] { f.form->close(); }, Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        f.form.get(), [&] { laterHandlerRan = true; }, Qt::QueuedConnection);
    Click(f, 167, 40);
    QVERIFY(f.services.ended);
    QVERIFY(!laterHandlerRan);
    QVERIFY(!f.form->isVisible());
  }
};

QTEST_MAIN(SolveFormTest)
#include "solve_form_test.moc"
