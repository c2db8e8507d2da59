// A main window opened as after the colour choice, on scripted services.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "model/moves.h"
#include "model/palette.h"
#include "render/qt/qt_canvas.h"
#include "scripted_services.h"
#include "ui/picture_box.h"
#include "ui/solve_form.h"

namespace rotalo::ui::testing {

// Five turns that take the layer-by-layer solution 96 moves.
inline const std::string kScramble = "21 43 62 51 33 ";
// The solved cube in the colours' digits, as Copy Cube as Text gives it.
inline const QString kSolvedText = "111111112222222233333333444444445555555566666666123456";

struct FormFixture : ScriptedServices {
  Vars vars;
  SolveForm w{*this, vars};

  // Pause "&None" unless told otherwise. `buildTables` builds the
  // fewest-moves tables in the window's place.
  // `settings`: the file kept between runs, a new one by default; `colours`:
  // the palette colours chosen.
  explicit FormFixture(bool noPause = true, std::function<void()> buildTables = {}, QString settings = {},
                       std::array<int, 6> colours = {0, 1, 2, 3, 4, 5}) {
    settingsFile = std::move(settings);
    ChooseColours(vars, colours);
    if (buildTables) w.BuildFewestTables = std::move(buildTables);
    w.Form_Load();
    if (noPause) w.MenuP[0]->trigger();
  }

  Buffer& Cube() { return vars.current(); }
  // The window becomes the active one, so that the focus and shortcuts work.
  bool Activate() {
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
  }
  // Every step ran, the program never waited in vain, and the cube is solved.
  bool SolvedAndDone() { return AllStepsRun() && !stuck && IsSolved(Cube()); }
  bool Uncoloured() {
    return std::all_of(Cube().begin() + 1, Cube().end(), [](Int16 v) { return v == 0; });
  }

  void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w.PC, button, {}, QPoint(x, y));
  }

  // The colour of the picture at drawing point (x, y), 0x00RRGGBB.
  QRgb PixelAt(int x, int y) { return w.PC->surface().Image().pixel(x, y) & 0xFFFFFFU; }

  // Quick Fill, then `tokens` turned.
  void Paint(const std::string& tokens = {}) {
    w.MenuQuickFill->trigger();
    ApplyMoveString(vars, tokens);
    w.DrawCube();
  }

  // At a wait after move `n` of the playback.
  void After(int n, std::function<void()> what) {
    When([this, n] { return w.Play.PlayPos == n && w.Timer1->Enabled(); }, std::move(what));
  }
  // Presses "&Next -->" or "Go !" at the next wait for it, noting the instruction.
  void PressNext(QStringList* instructions = nullptr) {
    When([this] { return w.NextButton->isVisible(); },
         [this, instructions] {
           if (instructions) *instructions << w.Instruct->text();
           w.NextButton->click();
         });
  }
  // Presses Next whenever the program waits for it, and nothing else does.
  void NextWheneverAsked() {
    onIdle = [this] { return w.NextButton->isVisible() && (w.NextButton->click(), true); };
  }
  // "&Solve", Next pressed whenever asked, to the end.
  bool SolveToTheEnd() {
    NextWheneverAsked();
    w.SubmitButton->click();
    return SolvedAndDone();
  }
  // Pauses at the wait after move `n`, which ends at once, before the timer
  // fires; runs `paused` once Back shows, then resumes unless ending.
  void PauseAfter(int n, std::function<void()> paused) {
    After(n, [this] {
      firingsAtPause_ = timerFirings;
      w.PauseButton->click();
      QVERIFY(!w.Timer1->Enabled());
    });
    When([this] { return w.BackButton->isVisible(); },
         [this, paused] {
           QCOMPARE(w.PauseButton->text(), QStringLiteral("Resume"));
           QCOMPARE(timerFirings, firingsAtPause_);
           paused();
           if (!ended) w.PauseButton->click();
         });
  }

 private:
  int firingsAtPause_ = 0;
};

}  // namespace rotalo::ui::testing
