// "&Solve": the entry check, the solving run with the repair dialogue, the
// playback of the solution, and the patterns played the same way.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <memory>

#include "checking/entry_check.h"
#include "checking/solving_run.h"
#include "fewest/fewest.h"
#include "model/moves.h"
#include "playback/patterns.h"
#include "playback/simplify.h"
#include "render/facelet.h"
#include "render/repair_picture.h"
#include "render/rotation_animation.h"
#include "render/turn_animation.h"
#include "ui/kept_state.h"
#include "ui/picture_box.h"
#include "ui/solve_form.h"
#include "ui/swatch.h"
#include "ui/texts.h"

namespace rotalo::ui {

namespace {

const QString kBreak = QStringLiteral("\n\r");  // the main window's line break

// The solving run as the window leads it: events between runs, the cube
// hidden while the stages turn it, the repair dialogue after a faulty run.
class WindowSolveHost final : public SolveHost {
 public:
  explicit WindowSolveHost(SolveForm& form) : form_(form) {}
  void ProcessEventsOnce() override { form_.ProcessEventsOnceForHost(); }
  void SetCubeVisible(bool visible) override { form_.Draw.CubeVisible = visible ? 1 : 0; }
  void Repair(Vars& /*vars*/, const Faults& faults) override { form_.RepairDialogue(faults); }

 private:
  SolveForm& form_;
};

}  // namespace

void SolveForm::SubmitButton_Click() {
  // Not while the cube is being turned, and only once.
  if (phase_ != Phase::Painting || Busy() || running_ > 0) {
    return;
  }
  const Buffer painted = vars_.current();
  const EntryVerdict verdict = SubmitEntry(vars_);
  if (!verdict.Accepted()) {
    services_.MsgBox(this, Texts::EntryMessage(verdict), kExclamation);
    DrawCube();
    return;
  }
  paintedAtSolve_ = painted;
  ForgetPainting(services_.Settings());
  SetPhase(Phase::Solving);
  Instruct->hide();
  Label1->hide();
  Shape2->hide();
  for (int i = 1; i <= 6; ++i) {
    Shape1[static_cast<std::size_t>(i)]->hide();
  }
  PC->canvas().SetBackground(Background::Plain);
  PC->unsetCursor();
  CursorKind = 0;
  DrawCube();
  SubmitButton->hide();
  Run([this] {
    ProcessEventsOnce();
    SolveOrRepair();
  });
}

void SolveForm::SolveOrRepair() {
  WindowSolveHost host(*this);
  const SolveReport report = rotalo::SolveOrRepair(vars_, host);
  if (Stopping()) {
    return;
  }
  MoveCount = report.MoveCount;
  PlayingFewest = false;
  if (MenuFewest->isChecked()) {
    FindFewestMoves();
    if (Stopping()) {
      return;
    }
  }
  DrawCube();
  PlaySolution();
}

void SolveForm::FindFewestMoves() {
  if (!fewestReady_) {
    // The tables are still being built: say so, and keep the window
    // answering until they are done.
    ShowInstruction(tr("Working..."));
    if (!Wait([this] { return fewestReady_; })) {
      return;
    }
  }
  // A tenth of a second on every core: no one notices it before a playback
  // of seconds, and it finds about a move less than the default.
  FewestOptions options;
  options.timeBudget = std::chrono::milliseconds(100);
  options.threads = 0;
  const rotalo::FewestSolution found = SolveFewest(vars_.Facelet[0], options);
  if (found.Solved()) {
    vars_.MoveString = found.moves;
    PlayingFewest = true;
  }
}

bool SolveForm::TimedWait(int millis, const std::function<bool()>& alsoWhen) {
  Timer1->SetInterval(millis);
  Timer1->SetEnabled(true);
  return Wait([&] { return !Timer1->Enabled() || (alsoWhen && alsoWhen()); });
}

bool SolveForm::WaitForNext(bool focus, const std::function<bool()>& alsoWhen) {
  NextButton->show();
  if (focus) {
    NextButton->setFocus();
  }
  StepDone = 0;
  const bool alive = Wait([&] { return StepDone != 0 || (alsoWhen && alsoWhen()); });
  NextButton->hide();
  return alive;
}

void SolveForm::NextButton_Click() {
  StepDone = 1;
}

void SolveForm::Timer1_Timer() {
  Timer1->SetEnabled(false);
}

// ---------------------------------------------------------------------------
// The repair dialogue.

void SolveForm::RepairAnimation(char which, const std::array<int, 3>& flags) {
  struct Sticker {
    ModelPoint p1, p2, p3;
    int facelet;  // its colour is that of this facelet of the stored cube; 0 black
  };
  struct Piece {
    std::vector<Sticker> fixed;   // the black faces of the hole
    std::vector<Sticker> moving;  // the piece, offset by d
    float dx, dy, dz;             // d per unit of t
    bool outwards;
  };
  const Sticker holeA1{{0.793f, 0, 1.5f}, {0.793f, 1, 1.5f}, {1.5f, 0, 0.793f}, 0};
  const Sticker holeA2{{0.793f, 1, 1.5f}, {1.5f, 1, 0.793f}, {0.086f, 1, 0.793f}, 0};
  const Sticker holeB{{1.5f, 0, 0.793f}, {1.5f, 1, 0.793f}, {2.207f, 0, 0.086f}, 0};
  const Sticker holeD{{2.207f, 0, 1.5f}, {2.207f, 1, 1.5f}, {2.914f, 0, 0.793f}, 0};
  const std::vector<Sticker> edgeLeft{{{0.793f, 0, 1.5f}, {1.5f, 0, 0.793f}, {0.086f, 0, 0.793f}, 6},
                                      {{0.086f, 0, 0.793f}, {0.086f, 1, 0.793f}, {0.793f, 0, 0.086f}, 34}};
  const std::vector<Sticker> corner{{{1.5f, 0, 0.793f}, {0.793f, 0, 0.086f}, {2.207f, 0, 0.086f}, 5},
                                    {{0.793f, 0, 0.086f}, {0.793f, 1, 0.086f}, {1.5f, 0, 0.793f}, 35}};
  const std::vector<Sticker> edgeRight{{{2.207f, 0, 1.5f}, {2.914f, 0, 0.793f}, {1.5f, 0, 0.793f}, 4},
                                       {{1.5f, 0, 0.793f}, {1.5f, 1, 0.793f}, {2.207f, 0, 0.086f}, 0}};
  Piece piece;
  switch (which) {
    case 'A':
    case 'F':
      piece = {{holeA1, holeA2}, edgeLeft, -1.0f / 3, -0.5f, 1.0f / 3, which == 'A'};
      break;
    case 'B':
    case 'C':
      piece = {{holeA1, holeA2, holeB}, corner, 0.2f, -0.5f, -0.2f, which == 'B'};
      break;
    default:
      piece = {{holeD}, edgeRight, 0.125f, -1.0f / 3, -0.125f, which == 'D'};
      break;
  }
  const bool cornerOnTop = which == 'D' || which == 'E';

  // The current cube is the stored one: every repair copies it over.
  const auto colour = [this](int facelet) { return facelet == 0 ? Colour{0} : FaceletColour(vars_, facelet); };
  // The repair picture under the dialogue's own stickers is shown once they
  // are on, not on its own.
  FrameHost quiet;
  Canvas& canvas = PC->canvas();
  for (int step = 0; step <= 6; ++step) {
    const int i = piece.outwards ? step : 6 - step;
    const float t = static_cast<float>(i) / 2;
    DrawRepairPicture(canvas, Draw, vars_, quiet, 2, flags[0], flags[1], flags[2]);
    for (const Sticker& s : piece.fixed) {
      DrawFacelet(canvas, Draw, s.p1, s.p2, s.p3, 0);
    }
    const auto moved = [&](ModelPoint p) {
      return ModelPoint{p.x + piece.dx * t, p.y + piece.dy * t, p.z + piece.dz * t};
    };
    for (const Sticker& s : piece.moving) {
      DrawFacelet(canvas, Draw, moved(s.p1), moved(s.p2), moved(s.p3), colour(s.facelet));
    }
    if (cornerOnTop) {
      DrawFacelet(canvas, Draw, {1.5f, 0, 0.793f}, {2.207f, 0, 0.086f}, {0.793f, 0, 0.086f}, colour(5));
      DrawFacelet(canvas, Draw, {0.793f, 0, 0.086f}, {0.793f, 1, 0.086f}, {1.5f, 0, 0.793f}, colour(35));
    }
    PC->Present(true);
    if (!TimedWait(which == 'C' && i == 6 ? 1000 : 100)) {
      return;
    }
  }
}

void SolveForm::RepairDialogue(const Faults& faults) {
  if (Stopping()) {
    return;
  }
  const auto N = [this](int k) {
    const Int16 face = vars_.Facelet[0][static_cast<std::size_t>(k)];
    return Texts::Colour(vars_.FaceColourName[static_cast<std::size_t>(face >= 0 && face <= 6 ? face : 0)]);
  };
  services_.MsgBox(this,
                   tr("It is impossible to solve your cube just by turning the sides.") + kBreak +
                       tr("It has been taken apart and put back together incorrectly") + kBreak + tr("at some stage.") +
                       kBreak + kBreak + tr("Follow the instructions on screen to fix it."),
                   kStop);

  ShowInstruction(tr("Twist the top face around like this."));
  DrawRepairPicture(PC->canvas(), Draw, vars_, *frames_, -1, 1, 1, 1);
  if (!WaitForNext(false)) return;

  ShowInstruction(tr("Take out the %1 and %2 piece.").arg(N(6), N(34)));
  RepairAnimation('A', {1, 0, 1});
  if (!WaitForNext(true)) return;

  if (faults.TwistFault != 0) {
    const QString direction = faults.TwistFault == 1 ? tr("anticlockwise") : tr("clockwise");
    ShowInstruction(
        tr("Take out the %1, %2 and %3 piece, turn it %4, and put it back in.").arg(N(5), N(25), N(35), direction));
    RepairAnimation('B', {0, 0, 1});
    if (!TimedWait(500)) return;
    TwistStoredCorner(vars_, faults.TwistFault);
    RepairAnimation('C', {0, 0, 1});
    if (!WaitForNext(true)) return;
  }

  QString where = tr("back in");
  if (faults.SwapFault != 0) {
    where = tr("in the hole at the front");
    ShowInstruction(tr("Take out the %1 and %2 piece.").arg(N(4), N(26)));
    RepairAnimation('D', {0, 0, 0});
    SwapStoredEdges(vars_);
    if (!WaitForNext(true)) return;
    ShowInstruction(tr("Put the %1 and %2 piece in the hole on the right, with the %1 side on top.").arg(N(4), N(26)));
    RepairAnimation('E', {0, 0, 0});
    if (!WaitForNext(true)) return;
  }
  if (faults.FlipFault == 1) {
    FlipStoredEdge(vars_);
  }
  ShowInstruction(tr("Put the %1 and %2 piece %3, with the %1 side on top.").arg(N(6), N(34), where));
  RepairAnimation('F', {1, 0, 1});
  if (!WaitForNext(true)) return;

  ShowInstruction(tr("Twist your cube back like this."));
  DrawRepairPicture(PC->canvas(), Draw, vars_, *frames_, 1, 1, 1, 1);
  if (!WaitForNext(true)) return;
  Instruct->hide();
}

// ---------------------------------------------------------------------------
// Playback.

void SolveForm::ShowProgress(int done, int total) {
  ProgressLabel->setText(tr("%1 of %2").arg(done).arg(total));
  Gage->resize(GageWidth(ProgressLabel->width(), done, total), Gage->height());
}

void SolveForm::AnimateAndTurn(int face, int q, int e) {
  int shown = q;
  Draw.TurnBusy = 1;
  ++busy_;
  AnimateTurn(PC->canvas(), Draw, vars_, *frames_, face, shown, e);
  --busy_;
  TurnFace(vars_, face, q);
}

void SolveForm::PlayTurn(int face, int turn) {
  if (turn == 2) {
    AnimateAndTurn(face, 1, 1);
    AnimateAndTurn(face, 1, 0);
  } else {
    AnimateAndTurn(face, turn, 0);
  }
  DrawCube();
}

bool SolveForm::PauseCheck(bool withBack) {
  bool pausedHere = false;
  if (Paused == 1) {
    pausedHere = true;
    if (withBack) {
      BackButton->show();
      BackButton->setEnabled(CanStepBack(vars_.MoveString, Play));
    }
    if (!Wait([this] { return Paused != 1; })) {
      return false;
    }
    BackButton->hide();
  }
  if (pausedHere) {
    PauseButton->setEnabled(false);
    if (!TimedWait(PauseMillis)) {
      return false;
    }
  }
  PauseButton->setEnabled(true);
  PauseButton->setFocus();
  return true;
}

bool SolveForm::WaitAfterMove() {
  if (!StepByStep) {
    return TimedWait(PauseMillis, [this] { return Paused != 0; });
  }
  SetNextCaption(tr("&Next Move"));
  stepWaiting_ = true;
  const bool alive = WaitForNext(true, [this] { return Paused != 0 || !StepByStep; });
  stepWaiting_ = false;
  if (alive && !StepByStep && StepDone == 0 && Paused == 0) {
    return TimedWait(PauseMillis, [this] { return Paused != 0; });  // timed pauses from now on
  }
  return alive;
}

void SolveForm::PlaySolution() {
  if (PlayingFewest) {
    // Already as short as it gets, and without layers.
    SolutionText = vars_.MoveString;
    MoveCount = TokenCount(SolutionText);
    Play = PlayState{0, 0, MoveCount, 0};
  } else {
    const Simplified simplified = SimplifyMoveString(vars_);
    SolutionText = simplified.SolutionText;
    MoveCount = simplified.MoveCount;
    Play = PlayState{0, 0, MoveCount, 2};
  }
  const int moves = Play.MovesInAll();
  SetPhase(Phase::Playback);

  // The screen stays awake while the solution plays, however it ends.
  struct Awake {
    Services& services;
    explicit Awake(Services& s) : services(s) { services.KeepScreenAwake(true); }
    ~Awake() { services.KeepScreenAwake(false); }
  } awake(services_);
  ShowInstruction(tr("Your cube has now been solved in %n moves.", nullptr, moves) + kBreak + kBreak +
                  tr("You can change how fast the cube turns, and the delay between moves using the Animation menu "
                     "at any time."));
  SetNextCaption(tr("Go !"));
  if (!WaitForNext(true)) return;
  Gage->show();
  GageBorder->show();
  ProgressLabel->show();
  Instruct->hide();
  PauseButton->show();
  PauseButton->setFocus();

  CopyBuffer(vars_, 0, 1);
  vars_.RecordMoves = 0;
  vars_.CurBuffer = 1;
  ShowProgress(0, moves);
  ShowInstruction(PlayingFewest ? tr("Solving...") : tr("Solving top layer..."));
  if (!SolutionText.empty() && SolutionText.rfind("AA ", 0) != 0 && !TimedWait(PauseMillis)) return;
  if (!PauseCheck(false)) return;

  const std::string played = SolutionText;
  for (Play.PlayPos = 1; Play.PlayPos <= MoveCount; ++Play.PlayPos) {
    const Token token = TokenAt(played, Play.PlayPos);
    if (token.first == 'A') {
      Play.MarkersPassed = 1;
      services_.MsgBox(this, tr("The top layer is now complete."), kInformation);
      if (TokenAt(played, Play.PlayPos + 1).first != 'B') {
        ShowInstruction(tr("Solving middle layer..."));
        if (!TimedWait(PauseMillis)) return;
      }
    } else if (token.first == 'B') {
      Play.MarkersPassed = 2;
      services_.MsgBox(this, tr("The middle layer is now complete."), kInformation);
      ShowInstruction(tr("Solving bottom layer..."));
      if (Play.PlayPos != MoveCount && !TimedWait(PauseMillis)) return;
    } else {
      const int done = Play.PlayPos - Play.MarkersPassed;
      ShowProgress(done, moves);
      PlayTurn(token.face, token.turn);
      if (!WaitAfterMove()) return;
      ProcessEventsOnce();
      if (!PauseCheck(true)) return;
    }
    if (Stopping()) return;
  }

  vars_.RecordMoves = 1;
  vars_.MoveString.clear();
  PauseButton->hide();
  ExitButton->show();
  ExitButton->setFocus();
  SetPhase(Phase::Solved);
  services_.Beep();
  ShowInstruction(tr("Congratulations!  Your whole cube is now complete.") + kBreak + kBreak +
                  tr("Use the Patterns menu to apply patterns to your cube."));
  MenuPatterns->menuAction()->setEnabled(true);
  for (int i = 1; i <= 5; ++i) {
    MenuPat[static_cast<std::size_t>(i)]->setEnabled(false);
  }
  struct Spin {
    int wait, axis, direction;
  };
  static constexpr std::array<Spin, 6> kCelebration{
      {{1000, 1, 1}, {200, 4, 1}, {200, 5, -1}, {1000, 5, 1}, {200, 4, -1}, {200, 1, -1}}};
  for (const Spin& spin : kCelebration) {
    if (!TimedWait(spin.wait)) return;
    int direction = spin.direction;
    AnimateRotation(PC->canvas(), Draw, vars_, *frames_, spin.axis, direction);
    PC->Present(false);
  }
  for (int i = 1; i <= 5; ++i) {
    MenuPat[static_cast<std::size_t>(i)]->setEnabled(true);
  }
}

void SolveForm::PauseButton_Click() {
  if (Paused == 0) {
    Paused = 1;
    Timer1->SetEnabled(false);
    SetPauseCaption(tr("Resume"));
  } else {
    SetPauseCaption(tr("Pause"));
    Paused = 0;
  }
}

void SolveForm::BackButton_Click() {
  BackButton->setEnabled(false);
  PlayState before = Play;
  const Turn undo = StepBack(vars_.MoveString, Play);
  if (undo.face == 0) {
    return;  // nothing before this point to undo
  }
  ShowProgress(before.PlayPos - 1 - before.MarkersPassed, before.MovesInAll());
  if (undo.turn == 2) {
    AnimateAndTurn(undo.face, 3, 1);
    AnimateAndTurn(undo.face, 3, 0);
  } else {
    AnimateAndTurn(undo.face, undo.turn, 0);
  }
  DrawCube();
  if (CanStepBack(vars_.MoveString, Play) && !Stopping()) {
    BackButton->setEnabled(true);
    BackButton->setFocus();
  }
}

// ---------------------------------------------------------------------------
// Patterns.

void SolveForm::MenuPat_Click(int index) {
  if (phase_ != Phase::Solved || running_ > 0) {
    return;
  }
  Run([this, index] { PlayPatternEntry(index); });
}

void SolveForm::PlayPatternEntry(int index) {
  const Pattern& pattern = kPatterns[static_cast<std::size_t>(index - 1)];
  for (int i = 1; i <= PatternCount; ++i) {
    MenuPat[static_cast<std::size_t>(i)]->setEnabled(false);
  }
  QAction* entry = MenuPat[static_cast<std::size_t>(index)];
  const bool removing = entry->isChecked();
  SetPhase(Phase::Pattern);
  ShowInstruction(tr("Working..."));
  ExitButton->hide();
  PauseButton->show();
  PlayPattern(std::string(removing ? pattern.removal : pattern.application) + " ");
  if (Stopping()) {
    return;
  }
  SetPhase(Phase::Solved);
  PauseButton->hide();
  ExitButton->show();
  if (removing) {
    entry->setChecked(false);
    for (int i = 1; i <= PatternCount; ++i) {
      MenuPat[static_cast<std::size_t>(i)]->setEnabled(true);
    }
    ShowInstruction(tr("Use the Patterns menu to apply patterns to your cube."));
  } else {
    entry->setChecked(true);
    entry->setEnabled(true);
    ShowInstruction(tr("Use the Patterns menu again to remove the pattern."));
  }
}

void SolveForm::PlayPattern(const std::string& moves) {
  vars_.MoveString = moves;
  vars_.RecordMoves = 0;
  PatternTotal = TokenCount(moves);
  Play = PlayState{0, 0, PatternTotal, 0};
  ShowProgress(0, PatternTotal);
  if (!TimedWait(PauseMillis)) return;
  if (!PauseCheck(false)) return;
  for (Play.PlayPos = 1; Play.PlayPos <= PatternTotal; ++Play.PlayPos) {
    ShowProgress(Play.PlayPos, PatternTotal);
    const Token token = TokenAt(moves, Play.PlayPos);
    PlayTurn(token.face, token.turn);
    if (!WaitAfterMove()) return;
    ProcessEventsOnce();
    if (!PauseCheck(true)) return;
  }
  vars_.RecordMoves = 1;
}

}  // namespace rotalo::ui
