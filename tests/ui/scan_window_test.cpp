// Options > Scan Cube...: six photos in a shuffled order and turned any way
// become the painting, one step for Undo; pictures without a face are named
// and left out; frames from the camera's way in take a face once it is held
// still.
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <opencv2/imgcodecs.hpp>

#include "../scan/scan_support.h"
#include "form_fixture.h"
#include "model/jumble.h"
#include "photo_maker.h"
#include "ui/scan_window.h"

namespace rotalo::ui::testing {

namespace {

// `cube`'s six faces as photo files in `dir`, shuffled and turned.
QStringList PhotoFiles(const QTemporaryDir& dir, const Buffer& cube, const Vars& vars, std::uint32_t seed) {
  std::array<Colour, 7> colours{};
  for (std::size_t k = 1; k <= 6; ++k) colours[k] = vars.ChosenColourValue[k];
  QStringList files;
  for (const photos::FacePhoto& photo : photos::MakePhotos(cube, colours, seed)) {
    files << dir.filePath(QString("face-%1.jpg").arg(files.size() + 1));
    cv::imwrite(files.back().toStdString(), photo.image);
  }
  return files;
}

// A scrambled painting: Quick Fill, then Jumble with a seeded generator.
Buffer Scrambled(FormFixture& f, std::uint32_t seed) {
  f.Paint();
  std::mt19937 random(seed);
  JumbleCube(f.vars, [&] { return std::uniform_real_distribution<float>(0.0f, 0.999f)(random); });
  return f.Cube();
}

QImage ToQImage(const cv::Mat& bgr) {
  return QImage(bgr.data, bgr.cols, bgr.rows, static_cast<qsizetype>(bgr.step), QImage::Format_BGR888).copy();
}

}  // namespace

class ScanWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void SixPhotosBecomeThePaintingAndSolve() {
    FormFixture f;
    const Buffer cube = Scrambled(f, 11);
    f.w.MenuNewCube->trigger();
    QTemporaryDir dir;
    const QStringList files = PhotoFiles(dir, cube, f.vars, 11);

    f.w.MenuScan->trigger();
    ScanWindow* scanner = f.w.Scanner();
    QVERIFY(scanner != nullptr && scanner->isVisible());
    QVERIFY(!scanner->UseButton->isEnabled());
    scanner->choosePhotos = [&](QWidget*) { return files; };
    scanner->Sources->setCurrentIndex(1);
    scanner->AddPhotosButton->click();
    QCOMPARE(f.messages, QStringList());
    QCOMPARE(scanner->FacesRead(), 6);
    QCOMPARE(scanner->PhotoList->count(), 6);
    // Every sticker read right, held some way, or among the uncertain ones.
    const scan::CubeReading reading = scanner->Reading();
    for (const int wrong : scan::Misread(cube, reading.cube)) {
      QVERIFY2(std::count(reading.uncertain.begin(), reading.uncertain.end(), wrong) == 1,
               qPrintable(QString::number(wrong)));
    }
    scanner->UseButton->click();
    QVERIFY(f.w.Scanner() == nullptr || !f.w.Scanner()->isVisible());
    for (int i = 1; i <= kFacelets; ++i) QVERIFY(f.Cube()[i] == reading.cube[i] || f.Cube()[i] == 0);
    const auto left = std::count(f.Cube().begin() + 1, f.Cube().end(), Int16{0});
    QCOMPARE(left, static_cast<long>(reading.uncertain.size()));
    if (left > 0) QVERIFY(f.w.Instruct->text().contains(QString("%1 stickers are left to paint").arg(left)));
    // One step back is the uncoloured cube again.
    f.w.MenuUndo->trigger();
    QVERIFY(f.Uncoloured());
    f.w.MenuRedo->trigger();
    for (int i = 1; i <= kFacelets; ++i) {
      if (f.Cube()[i] == 0) f.Cube()[i] = reading.cube[i];  // the person paints what was left
    }
    QVERIFY(f.SolveToTheEnd());
  }

  void PicturesWithoutAFaceAreNamedAndLeftOut() {
    FormFixture f;
    QTemporaryDir dir;
    const QString text = dir.filePath("notes.txt");
    QFile notes(text);
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("not a picture") > 0);
    notes.close();
    std::mt19937 random(5);
    photos::PhotoStyle style = photos::RandomStyle(random);
    style.drawFace = false;
    const QString empty = dir.filePath("table.png");
    cv::imwrite(empty.toStdString(), photos::DrawFace({}, style, random));

    f.w.MenuScan->trigger();
    f.w.Scanner()->AddPhotos({text, empty, dir.filePath("missing.jpg")});
    QCOMPARE(f.messages,
             (QStringList{"notes.txt is not a picture Rotalo can read.", "No cube face was found in table.png.",
                          "missing.jpg is not a picture Rotalo can read."}));
    QCOMPARE(f.w.Scanner()->FacesRead(), 0);
    QVERIFY(!f.w.Scanner()->UseButton->isEnabled());
    f.w.Scanner()->close();
    QVERIFY(f.Uncoloured());
  }

  // The camera's way in: a face held still for half a second is taken once;
  // a picture moving about is not.
  void AFaceHeldStillBeforeTheCameraIsTaken() {
    FormFixture f;
    Scrambled(f, 3);
    std::array<Colour, 7> colours{};
    for (std::size_t k = 1; k <= 6; ++k) colours[k] = f.vars.ChosenColourValue[k];
    const std::vector<photos::FacePhoto> faces = photos::MakePhotos(f.Cube(), colours, 3);
    f.w.MenuScan->trigger();
    ScanWindow* scanner = f.w.Scanner();
    qint64 ms = 0;
    for (const photos::FacePhoto& face : faces) {
      for (int frame = 0; frame < 20; ++frame, ms += 40) scanner->FeedFrame(ToQImage(face.image), ms);
    }
    QCOMPARE(scanner->FacesRead(), 6);
    const std::vector<int>& uncertain = scanner->Reading().uncertain;
    for (const int wrong : scan::Misread(f.Cube(), scanner->Reading().cube)) {
      QVERIFY(std::count(uncertain.begin(), uncertain.end(), wrong) == 1);
    }
    // Held for less than half a second: not taken.
    scanner->ClearButton->click();
    for (int frame = 0; frame < 10; ++frame, ms += 40) scanner->FeedFrame(ToQImage(faces[0].image), ms);
    QCOMPARE(scanner->FacesRead(), 0);
  }
};

}  // namespace rotalo::ui::testing

QTEST_MAIN(rotalo::ui::testing::ScanWindowTest)
#include "scan_window_test.moc"
