// The main window in the painting phase: layout, painting, arrow heads, menus.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

#include "form_fixture.h"
#include "model/rotation.h"
#include "render/cube_drawing.h"
#include "ui/help.h"
#include "ui/swatch.h"

using namespace rotalo;
using namespace rotalo::ui;
using rotalo::ui::testing::FormFixture;

constexpr QRgb kGrey = 0xC0C0C0;  // the same as a program colour, 0x00BBGGRR
constexpr QRgb kOrange = 0xFF8000;

// A scrambled painting the checks accept, so that every turn and rotation shows.
static void FillScrambled(FormFixture& f) {
  f.w.MenuQuickFill->trigger();
  f.randoms = {0.1F, 0.7F, 0.3F, 0.9F, 0.5F, 0.2F, 0.8F, 0.4F, 0.6F, 0.0F};
  f.w.MenuJumble->trigger();
}

// How many pixels of the 10 x 10 square at (x, y) are orange.
static int OrangeAround(FormFixture& f, int x, int y) {
  int count = 0;
  for (int i = 0; i < 100; ++i) count += f.PixelAt(x + i % 10, y + i / 10) == kOrange ? 1 : 0;
  return count;
}

class SolveFormTest : public QObject {
  Q_OBJECT

 private slots:
  void OpensWithTheGreyCubeTheFirstBrushAndOneTickInEachAnimationMenu() {
    FormFixture f(false);
    QVERIFY(f.PixelAt(115, 100) == kGrey && f.PixelAt(130, 130) == kGrey && f.PixelAt(100, 130) == kGrey);
    for (std::size_t i = 1; i <= 6; ++i) {
      QCOMPARE(f.w.Shape1[i]->BorderWidth(), i == 1 ? 4 : 1);
      QCOMPARE(f.w.Shape1[i]->FillColour(), kPalette[i - 1].value);
    }
    QCOMPARE(f.w.Instruct->text(), QStringLiteral("- Click on a brush colour from the Paint Box.\n\n"
                                                  "- Left click on the cube to colour it in.\n\n"
                                                  "- Right click on the cube to clear a colour.\n\n"
                                                  "- Click on an arrow head to rotate the cube.\n\n"
                                                  "- Click Solve when all six sides are coloured in."));
    QCOMPARE(f.w.PC->geometry(), QRect(16, 16, 230, 230));
    QVERIFY(f.w.SubmitButton->isVisible() && !f.w.MenuPatterns->menuAction()->isEnabled());
    QCOMPARE(f.vars.RecordMoves, Int16{1});
    f.w.MenuTwips->trigger();
    QCOMPARE(f.messages, (QStringList{"Twips: (15,15)", "Actual: (11022,5748)", "Scale: (730,340)"}));
    QCOMPARE(f.styles[0], int{kOkOnly});
    // The Animation menu ticks one entry of each kind.
    QCOMPARE(std::pair(f.w.Draw.FramesPerTurn, f.w.PauseMillis), std::pair(6, 3000));
    QVERIFY(f.w.MenuR[2]->isChecked() && f.w.MenuP[3]->isChecked());
    f.w.MenuR[4]->trigger();
    QCOMPARE(f.w.Draw.FramesPerTurn, 10);
    for (std::size_t k = 0; k < 5; ++k) QCOMPARE(f.w.MenuR[k]->isChecked(), k == 4);
    f.w.MenuP[0]->trigger();
    QCOMPARE(f.w.PauseMillis, 1);
    f.w.MenuP[5]->trigger();
    QCOMPARE(f.w.PauseMillis, 5000);
    for (std::size_t k = 0; k < 6; ++k) QCOMPARE(f.w.MenuP[k]->isChecked(), k == 5);
  }

  void ClicksPaintAndClearStickersAndQuickFillAndJumblePaintAll() {
    FormFixture f;
    f.Click(115, 100);
    QCOMPARE(f.Cube()[5], Int16{1});
    QCOMPARE(f.PixelAt(115, 100), kOrange);
    f.w.Shape1[3]->click();
    QCOMPARE(std::pair(f.w.Shape1[3]->BorderWidth(), f.w.Shape1[1]->BorderWidth()), std::pair(4, 1));
    f.Click(130, 130);
    QCOMPARE(f.Cube()[25], Int16{3});
    QCOMPARE(f.PixelAt(130, 130), QRgb{0x00C000});
    f.Click(130, 130, Qt::RightButton);
    QCOMPARE(f.Cube()[25], Int16{0});
    QCOMPARE(f.PixelAt(130, 130), kGrey);
    f.Click(115, 100, Qt::MiddleButton);
    f.Click(3, 3);  // the sky: nothing
    QVERIFY(f.Uncoloured());
    f.w.MenuQuickFill->trigger();
    for (std::size_t i = 1; i <= 48; ++i) QCOMPARE(std::size_t(f.Cube()[i]), (i - 1) / 8 + 1);
    QCOMPARE(f.PixelAt(115, 100), kOrange);
    FillScrambled(f);
    QVERIFY(f.vars.MoveString.empty());
    QCOMPARE(f.vars.Facelet[0], f.vars.current());
    QVERIFY(!IsSolved(f.Cube()));
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
    // "Solve", a painting click and a second press of the head arrive while
    // the rotation is shown: they are ignored.
    QMetaObject::invokeMethod(
        &f.w, [&] { f.w.SubmitButton->click(); }, Qt::QueuedConnection);
    for (const QPoint at : {QPoint(115, 100), point}) {
      QCoreApplication::postEvent(
          f.w.PC, new QMouseEvent(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    }
    f.Click(point.x(), point.y());
    QCoreApplication::processEvents();
    QCOMPARE(f.vars.current(), expected.current());
    QCOMPARE(f.vars.MoveString, expected.MoveString);
    QVERIFY(f.w.MouseReady == 1 && f.w.CurrentPhase() == Phase::Painting && f.messages.isEmpty() && !f.w.Busy());
    QVERIFY(f.SolveToTheEnd());  // afterwards "Solve" is taken
  }

  void RotateButtonTurnsOneSideOrRefuses_data() {
    QTest::addColumn<QString>("side");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("refusal");  // the start of the message; none when the side turns
    const auto row = [](const char* name, const char* side, const char* way, const QString& refusal) {
      QTest::newRow(name) << QString(side) << QString(way) << refusal;
    };
    const QString side = "Please give the side as a number from 1 to 6.";
    const QString way = "Please give the number of quarter turns from -3 to 3, but not 0.";
    row("side 1 clockwise", "1", "1", {});
    row("cancelled", "", "1", side);
    row("side not a number", "top", "1", side);
    row("side 0", "0", "1", side);
    row("side 7", "7", "1", side);
    row("way cancelled", "1", "", way);
    row("way not a number", "2", "left", way);
    row("way 0", "3", "0", way);
    row("way 9", "4", "9", way);
  }
  void RotateButtonTurnsOneSideOrRefuses() {
    QFETCH(QString, side);
    QFETCH(QString, way);
    QFETCH(QString, refusal);
    FormFixture f;
    QVERIFY(f.w.RotateButton->isHidden());
    f.w.MenuRotate->trigger();
    QVERIFY(f.w.RotateButton->isVisible() && f.w.MenuRotate->isChecked());
    FillScrambled(f);
    Vars expected = f.vars;
    if (refusal.isEmpty()) TurnFace(expected, 1, 1);
    f.inputAnswers = {side, way};
    f.w.RotateButton->click();
    const QStringList prompts{"Which side?", "Which way?"};
    QCOMPARE(f.prompts, refusal.contains("side") ? prompts.mid(0, 1) : prompts);
    QCOMPARE(f.messages.size(), qsizetype{refusal.isEmpty() ? 0 : 1});
    if (!refusal.isEmpty()) QVERIFY(f.styles[0] == kExclamation && f.messages[0].startsWith(refusal));
    QCOMPARE(f.vars.current(), expected.current());
    QCOMPARE(f.vars.MoveString, std::string(refusal.isEmpty() ? "11 " : ""));
    f.w.MenuRotate->trigger();
    QVERIFY(f.w.RotateButton->isHidden() && !f.w.MenuRotate->isChecked());
  }

  void GranularitySetsTheDrawingSizeOrRefuses_data() {
    QTest::addColumn<QList<int>>("set");  // of H, W, SH and SW
    QTest::addColumn<QString>("value");
    QTest::newRow("half the drawing units") << QList<int>{2, 3} << "115";
    for (const QString& value : QStringList{"", "big", "0", "-5", "999999"}) {
      for (int k = 0; k < 4; ++k) QTest::addRow("\"%s\" in box %d", qPrintable(value), k) << QList<int>{k} << value;
    }
  }
  void GranularitySetsTheDrawingSizeOrRefuses() {
    QFETCH(QList<int>, set);
    QFETCH(QString, value);
    const bool accepted = value == "115";
    FormFixture f;
    f.w.MenuQuickFill->trigger();
    f.w.MenuGran->trigger();
    QVERIFY(f.w.MenuGran->isChecked() && f.w.ScrButton->isVisible());
    const std::array<QLineEdit*, 4> boxes{f.w.ScrH, f.w.ScrW, f.w.ScrSH, f.w.ScrSW};
    for (QLineEdit* edit : boxes) QVERIFY(edit->isVisible() && edit->text() == QStringLiteral("230"));
    QCOMPARE(OrangeAround(f, 220, 190), 0);
    for (int k : set) boxes[std::size_t(k)]->setText(value);
    f.w.ScrButton->click();
    QCOMPARE(f.messages.size(), qsizetype{accepted ? 0 : 1});
    QCOMPARE(f.w.PC->size(), QSize(230, 230));
    QCOMPARE(QSizeF(f.w.PC->ScaleWidth(), f.w.PC->ScaleHeight()), accepted ? QSizeF(115, 115) : QSizeF(230, 230));
    // Sticker 5, around drawing point (110, 95), now lies around pixel
    // (220, 190). Lines one pixel wide leave every other column open.
    QCOMPARE(OrangeAround(f, 220, 190) > 40, accepted);
    f.w.MenuGran->trigger();
    QVERIFY(!f.w.MenuGran->isChecked() && f.w.ScrButton->isHidden() && f.w.ScrH->isHidden());
  }

  // The same cube on a box with more device pixels for each of its own, as
  // at the desktop's scale factors.
  void DrawsSharplyOnScreensWithMorePixels_data() {
    QTest::addColumn<double>("ratio");
    for (const double ratio : {1.25, 1.5, 1.75, 2.0}) QTest::addRow("%g", ratio) << ratio;
  }
  void DrawsSharplyOnScreensWithMorePixels() {
    QFETCH(double, ratio);
    FormFixture f;
    f.Paint("41 ");
    PictureBox single(nullptr, 1);
    PictureBox finer(nullptr, ratio);
    QSet<QRgb> cube{qRgb(0, 0, 0)};
    for (PictureBox* box : {&single, &finer}) {
      box->SetBoxSize(230, 230);
      box->SetBoxScale(230, 230);
      DrawCube(box->canvas(), DrawContext{}, f.vars);
    }
    for (std::size_t k = 1; k <= 6; ++k) cube.insert(QtCanvas::ToQColor(f.vars.FaceColourValue[k]).rgb());
    const QImage one = single.surface().Image();
    const QImage two = finer.surface().Image();
    const auto first = [ratio](int x) { return static_cast<int>(std::floor(x * ratio + 1e-9)); };
    QCOMPARE(two.size(), QSize(first(230), first(230)));
    // Each cube pixel of the plain picture is a block of its colour in the
    // finer one, but where a slanting outline is drawn finer: about one in
    // fourteen at twice the pixels; a picture shifted by a device pixel has
    // one in eight.
    int same = 0;
    int differ = 0;
    for (int i = 0; i < 230 * 230; ++i) {
      const int x = i % 230;
      const int y = i / 230;
      const QRgb c = one.pixel(x, y);
      if (!cube.contains(c)) continue;
      bool agree = true;
      for (int u = first(x); u < first(x + 1); ++u) {
        for (int v = first(y); v < first(y + 1); ++v) agree = agree && two.pixel(u, v) == c;
      }
      (agree ? same : differ) += 1;
    }
    QVERIFY2(differ * 10 < same + differ, qPrintable(QString("%1 of %2 differ").arg(differ).arg(same + differ)));
  }

  // F1 opens the handbook beside the window, with the program's own
  // pictures; About names the version and the toolkit's.
  void HelpMenuShowsTheHandbookAndAbout() {
    FormFixture f;
    QVERIFY(f.Activate());
    QTest::keyClick(&f.w, Qt::Key_F1);
    auto* handbook = qobject_cast<HandbookWindow*>(f.w.Handbook());
    QVERIFY(handbook != nullptr && handbook->isVisible());
    QTextDocument* page = handbook->Browser()->document();
    QVERIFY(page->toPlainText().contains("Painting your cube"));
    for (const char* picture : {"cube:solved", "cube:jumbled"}) {
      const auto image = page->resource(QTextDocument::ImageResource, QUrl(picture)).value<QImage>();
      QVERIFY2(!image.isNull() && image.pixel(100, 100) != image.pixel(0, 0), picture);  // a cube on grey
    }
    f.w.MenuHandbook->trigger();  // the same window again
    QCOMPARE(f.w.Handbook(), handbook);
    f.w.MenuAbout->trigger();
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages.front().startsWith("About Rotalo: "));
    QVERIFY(f.messages.front().contains("2.2.5") && f.messages.front().contains(qVersion()));
  }

  void ClosingDuringAnAnimationEndsAtOnce() {
    FormFixture f;
    FillScrambled(f);
    QMetaObject::invokeMethod(
        &f.w, [&] { f.w.close(); }, Qt::QueuedConnection);
    f.Click(167, 40);  // an arrow head: the rotation is shown
    QVERIFY(f.ended && !f.w.isVisible() && f.w.MouseReady == 1);
  }
};

QTEST_MAIN(SolveFormTest)
#include "solve_form_test.moc"
