// Random input: clicks on the drawing and on every button, keys, every menu
// entry and closing the window, thousands of them, at the top and inside
// every wait of the program. After each one the window must still make
// sense. ROTALO_RANDOM_EVENTS (20000) and ROTALO_RANDOM_SEED (1) set the run.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <QRegularExpression>
#include <QtTest>
#include <random>
#include "ui/scan_window.h"

#include "form_fixture.h"
#include "ui/scan_window.h"
#include "ui/swatch.h"

using namespace rotalo;
using namespace rotalo::ui;
using rotalo::ui::testing::FormFixture;

namespace {

int FromEnvironment(const char* name, int otherwise) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok && value > 0 ? value : otherwise;
}

// Every face in one colour, whichever way the cube has been turned.
bool SolidFaces(const Buffer& cube) {
  for (int face = 1; face <= 6; ++face) {
    for (int k = 1; k <= 8; ++k)
      if (cube[std::size_t(8 * (face - 1) + k)] != cube[std::size_t(48 + face)]) return false;
  }
  return true;
}

class Monkey {
 public:
  Monkey(int events, unsigned seed) : budget_(events), random_(seed) {}

  // Lives of the window, one after the other, until the events are spent.
  void Run() {
    while (events_ < budget_) {
      FormFixture f(random_() % 2 == 0);
      f_ = &f;
      f.onWait = [this] {
        if (random_() % 3 == 0) Act();
      };
      f.onIdle = [this] {
        Act();
        return true;
      };
      while (!f.ended) Act();
      QVERIFY2(!f.stuck, "a wait never ended");
      ++lives_;
      f_ = nullptr;
    }
    qInfo("%d events in %d lives of the window: %d solves started, %d congratulations, %d new cubes", events_, lives_,
          solves_, congratulations_, newCubes_);
  }

  int Failures() const { return failures_; }

 private:
  void fail(const char* what) {
    if (failures_++ < 10) qWarning("event %d, phase %d: %s", events_, int(f_->w.CurrentPhase()), what);
  }

  void Act() {
    FormFixture& f = *f_;
    if (f.ended) return;
    ++depth_;
    if (events_ >= budget_ || depth_ > 40) {  // the end of the run unwinds every wait
      if (depth_ > 40) fail("handlers nested too deep");
      f.w.close();
      --depth_;
      return;
    }
    ++events_;
    SolveForm& w = f.w;
    // The scan window's photos come from no file dialog here.
    if (w.Scanner() != nullptr) w.Scanner()->choosePhotos = [](QWidget*) { return QStringList(); };
    switch (random_() % 12) {
      case 0:
      case 1: {  // a click on the drawing
        const QPoint at(int(random_() % 230), int(random_() % 230));
        const std::array<Qt::MouseButton, 4> buttons{Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        QTest::mouseClick(w.PC, buttons[random_() % 4], {}, at);
        break;
      }
      case 2:
      case 3: {  // a button that can be seen
        QList<QAbstractButton*> shown;
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
          if (b->isVisible() && b->isEnabled() && (b != w.ExitButton || random_() % 50 == 0)) shown << b;
        if (shown.isEmpty()) break;
        QAbstractButton* b = shown[qsizetype(random_() % std::size_t(shown.size()))];
        solves_ += b == w.SubmitButton ? 1 : 0;
        Answers();
        b->click();
        break;
      }
      case 4:
      case 5:
      case 6: {  // a menu entry
        QList<QAction*> entries;
        for (QMenu* menu : w.menuBar()->findChildren<QMenu*>())
          for (QAction* a : menu->actions())
            if (!a->isSeparator() && a->menu() == nullptr && a->isEnabled()) entries << a;
        QAction* entry = entries[qsizetype(random_() % std::size_t(entries.size()))];
        newCubes_ += entry == w.MenuNewCube ? 1 : 0;
        Answers();
        entry->trigger();
        break;
      }
      case 7:
      case 8:
      case 9: {  // a key, to the drawing or to whatever has the focus
        const std::array<int, 19> keys{Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Up, Qt::Key_Down,  Qt::Key_Space,
                                       Qt::Key_Return,    Qt::Key_Delete, Qt::Key_0,  Qt::Key_1,     Qt::Key_3,
                                       Qt::Key_6,         Qt::Key_X,      Qt::Key_Y,  Qt::Key_Z,     Qt::Key_Tab,
                                       Qt::Key_Backspace, Qt::Key_Enter,  Qt::Key_4,  Qt::Key_Escape};
        QWidget* to = random_() % 2 ? static_cast<QWidget*>(w.PC) : QApplication::focusWidget();
        QTest::keyClick(to ? to : &w, Qt::Key(keys[random_() % keys.size()]),
                        random_() % 4 == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        break;
      }
      case 10:  // a swatch
        w.Shape1[1 + random_() % 6]->click();
        break;
      default:
        if (random_() % 40 == 0) {
          w.close();  // the end of this life
        } else {
          w.PC->setFocus();
        }
        break;
    }
    Check();
    --depth_;
  }

  // What the input boxes are told, good and bad.
  void Answers() {
    static const QStringList answers{"1",
                                     "-1",
                                     "2",
                                     "7",
                                     "",
                                     "x",
                                     "0",
                                     "3",
                                     "111111112222222233333333444444445555555566666666123456",
                                     "000000000000000000000000000000000000000000000000000001",
                                     "12"};
    f_->inputAnswers = {answers[qsizetype(random_() % std::size_t(answers.size()))],
                        answers[qsizetype(random_() % std::size_t(answers.size()))]};
    f_->w.ScrSH->setText(answers[qsizetype(random_() % std::size_t(answers.size()))]);
  }

  void Check() {
    FormFixture& f = *f_;
    if (f.ended) return;
    SolveForm& w = f.w;
    if (w.Instruct->isVisible() && w.Instruct->text().startsWith("Congratulations")) {
      ++congratulations_;
      if (!SolidFaces(f.Cube())) fail("congratulations over a cube that is not solved");
    }
    const QRegularExpressionMatch counter = QRegularExpression("^(\\d+) of (\\d+)$").match(w.ProgressLabel->text());
    if (counter.hasMatch() && counter.captured(1).toInt() > counter.captured(2).toInt()) fail("counter past its total");
    // The controls of exactly one phase show, and it is the window's.
    const bool paint = w.Label1->isVisible() && w.Shape2->isVisible() && w.Shape1[1]->isVisible();
    const bool solve = w.SubmitButton->isVisible();
    const bool gauge = w.Gage->isVisible() && w.ProgressLabel->isVisible();
    const bool pause = w.PauseButton->isVisible();
    const bool back = w.BackButton->isVisible();
    const bool exit = w.ExitButton->isVisible();
    const bool next = w.NextButton->isVisible();
    const QString nextCaption = w.NextButton->text();
    const bool working = w.Instruct->text() == "Working...";  // a pattern being played looks like playback else
    const bool none = !paint && !solve;
    const std::array<std::pair<Phase, bool>, 5> shows{{
        {Phase::Painting, paint && solve && !gauge && !pause && !back && !exit && !next},
        {Phase::Solving, none && !gauge && !pause && !back && !exit && (!next || nextCaption == "&Next -->")},
        {Phase::Playback,
         none && !exit && !working && (gauge ? pause : next && nextCaption == "Go !") && (!back || pause)},
        {Phase::Solved, none && gauge && exit && !pause && !next && !back},
        {Phase::Pattern, none && gauge && pause && !exit && working},
    }};
    int showing = 0;
    for (const auto& [phase, shown] : shows) showing += shown ? 1 : 0;
    if (showing != 1) {
      fail("not the controls of exactly one phase");
      if (failures_ < 4)
        qWarning("paint %d solve %d gauge %d pause %d back %d exit %d next %d '%s' '%s'", paint, solve, gauge, pause,
                 back, exit, next, qPrintable(nextCaption), qPrintable(w.Instruct->text()));
    }
    for (const auto& [phase, shown] : shows)
      if (shown && phase != w.CurrentPhase()) fail("the controls of another phase");
  }

  int budget_;
  std::mt19937 random_;
  FormFixture* f_ = nullptr;
  int events_ = 0;
  int depth_ = 0;
  int lives_ = 0;
  int solves_ = 0;
  int congratulations_ = 0;
  int newCubes_ = 0;
  int failures_ = 0;
};

}  // namespace

class RandomInputTest : public QObject {
  Q_OBJECT

 private slots:
  void RandomInputNeverLeavesTheWindowInABadState() {
    const int events = FromEnvironment("ROTALO_RANDOM_EVENTS", 20000);
    const auto seed = static_cast<unsigned>(FromEnvironment("ROTALO_RANDOM_SEED", 1));
    qInfo("seed %u", seed);
    Monkey monkey(events, seed);
    monkey.Run();
    QCOMPARE(monkey.Failures(), 0);
  }
};

QTEST_MAIN(RandomInputTest)
#include "random_input_test.moc"
