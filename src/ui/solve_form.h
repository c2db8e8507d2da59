// The main window: the cube drawing, the Paint Box, the instructions, the
// buttons of every phase and the menus. The cube logic lives in the core;
// this window holds the controls, the waits and the window-level values.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "model/cube.h"
#include "playback/playback.h"
#include "render/context.h"
#include "render/picking.h"
#include "solver/stages.h"
#include "ui/services.h"

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QUndoStack;

namespace rotalo::ui {

class PictureBox;
class ScanWindow;
class PictureFrames;
class Swatch;

// What the window is doing; every handler asks this, not the controls.
enum class Phase {
  Painting,  // the user paints; the Paint Box and "&Solve" are shown
  Solving,   // the painting was accepted: the solving run and any repair dialogue
  Playback,  // the announcement and the solution being played
  Solved,    // the cube is solved; the Patterns menu is available
  Pattern,   // a pattern is being played
};

class SolveForm : public QMainWindow {
  Q_OBJECT

 public:
  SolveForm(Services& services, Vars& vars, QWidget* parent = nullptr);
  ~SolveForm() override;

  void Form_Load();

  Phase CurrentPhase() const { return phase_; }
  // An animation of the whole cube or of a turn is being drawn.
  bool Busy() const { return busy_ > 0; }
  // Builds the fewest-moves tables on the window's own thread; tests may
  // replace it before Form_Load.
  std::function<void()> BuildFewestTables;
  bool FewestTablesReady() const { return fewestReady_; }

  // Controls.
  PictureBox* PC = nullptr;
  QLabel* Instruct = nullptr;
  QLabel* Label1 = nullptr;
  QFrame* Shape2 = nullptr;
  std::array<Swatch*, 7> Shape1{};  // 1..6; each swatch is also its Image1
  QPushButton* SubmitButton = nullptr;
  QPushButton* NextButton = nullptr;
  QPushButton* BackButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QPushButton* PauseButton = nullptr;
  QPushButton* RotateButton = nullptr;
  QFrame* GageBorder = nullptr;
  QFrame* Gage = nullptr;
  QLabel* ProgressLabel = nullptr;
  QPushButton* ScrButton = nullptr;
  QLineEdit* ScrH = nullptr;
  QLineEdit* ScrW = nullptr;
  QLineEdit* ScrSH = nullptr;
  QLineEdit* ScrSW = nullptr;
  std::array<QLabel*, 4> ScrLabels{};  // SlbH, SlbW, SlbSH, SlbSW
  std::unique_ptr<OneShotTimer> Timer1;

  // Menus.
  QMenu* MenuAnimation = nullptr;
  QMenu* MenuFrames = nullptr;
  QMenu* MenuPause = nullptr;
  QMenu* MenuOptions = nullptr;
  QMenu* MenuPatterns = nullptr;
  std::array<QAction*, 5> MenuR{};  // 2, 4, 6, 8, 10 frames
  std::array<QAction*, 6> MenuP{};  // none, 1..5 seconds
  QAction* MenuQuickFill = nullptr;
  QAction* MenuJumble = nullptr;
  QAction* MenuRotate = nullptr;
  QAction* MenuSolveString = nullptr;
  QAction* MenuGran = nullptr;
  QAction* MenuTwips = nullptr;
  QAction* MenuStep = nullptr;        // Animation > Pause > Step by Step
  QAction* MenuFewest = nullptr;      // Options > Fewest Moves
  QAction* MenuNotation = nullptr;    // Options > See Solution in Standard Notation
  QAction* MenuCopyText = nullptr;    // Options > Copy Cube as Text
  QAction* MenuEnterText = nullptr;   // Options > Enter Cube as Text...
  QAction* MenuScan = nullptr;        // Options > Scan Cube...
  std::array<QAction*, 6> MenuPat{};  // 1..5
  QMenu* MenuCube = nullptr;
  QAction* MenuNewCube = nullptr;
  QAction* MenuUndo = nullptr;
  QAction* MenuRedo = nullptr;
  QMenu* MenuHelp = nullptr;
  QAction* MenuHandbook = nullptr;
  QAction* MenuAbout = nullptr;

  // Window-level values.
  DrawContext Draw;
  int MouseReady = 1;
  int CursorKind = 1;
  int BrushColour = 1;
  int PauseMillis = 3000;
  bool StepByStep = false;  // playback waits for "&Next Move" after each move
  int PatternCount = 5;
  int StepDone = 0;
  int Paused = 0;
  int MoveCount = 0;
  std::string SolutionText;
  PlayState Play;
  int PatternTotal = 0;
  bool PlayingFewest = false;  // the solution played is the short one

  int OuterWidthTwips() const { return outerWidthTwips_; }
  int OuterHeightTwips() const { return outerHeightTwips_; }

  // Painting and picking.
  void Image1_Click(int index);
  void PC_MouseDown(int button, int shift, float x, float y);
  void PC_MouseMove(int button, int shift, float x, float y);
  // The keys of the drawing while painting: the sticker cursor, painting and
  // the whole-cube turns. False for a key it does not take.
  bool PC_KeyPress(int key, Qt::KeyboardModifiers modifiers);
  void DrawCube();
  StickerPlace Cursor() const { return cursor_; }
  // Where the sticker at place 0..26 lies and its colour, in words.
  QString StickerName(int index) const;

  // The cube menu: a new cube, and undoing and redoing painting steps.
  void MenuNewCube_Click();
  QUndoStack& PaintingSteps() { return *undo_; }

  // Options > Scan Cube...: reads the cube from the camera or from photos
  // into the painting; the stickers not read for sure stay uncoloured, and
  // the instructions say how many are left to paint.
  void MenuScan_Click();
  ScanWindow* Scanner() const;

  // The help menu: the handbook beside the window, and About.
  void MenuHandbook_Click();
  void MenuAbout_Click();
  QDialog* Handbook() const { return handbook_; }

  // Menus and options.
  void MenuR_Click(int frames);
  void MenuP_Click(int index);
  void MenuQuickFill_Click();
  void MenuJumble_Click();
  void MenuRotate_Click();
  void RotateButton_Click();
  void MenuSolveString_Click();
  void MenuGran_Click();
  void ScrButton_Click();
  void MenuTwips_Click();
  void MenuStep_Click();
  void MenuFewest_Click();
  void MenuNotation_Click();
  void MenuCopyText_Click();
  void MenuEnterText_Click();
  void EnterText();
  void TurnOneSide();
  // The cube on the drawing as the 54 digits of its colour codes.
  std::string CubeAsText() const;

  // Solving, repair and playback.
  void SubmitButton_Click();
  void SolveOrRepair();
  void PlaySolution();
  void NextButton_Click();
  void PauseButton_Click();
  void BackButton_Click();
  void Timer1_Timer();
  void ExitButton_Click();
  void MenuPat_Click(int index);
  void PlayPatternEntry(int index);
  // Events between the runs of the solving run.
  void ProcessEventsOnceForHost() { ProcessEventsOnce(); }
  void PlayPattern(const std::string& moves);

  // Replaces the layer-by-layer solution of the cube in buffer 0 by a short
  // one, waiting for the search tables if they are not built yet.
  void FindFewestMoves();

  // Runs the repair dialogue for the faults of the last run and makes the
  // same changes to the stored cube as the user makes to his.
  void RepairDialogue(const Faults& faults);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class PaintingStep;

  void BuildControls();
  void BuildMenus();
  void SetPhase(Phase phase);
  // Greys what the phase and a running animation do not allow.
  void UpdateCommands();
  QString PaintingInstructions() const;

  // Runs a handler that waits or animates. When it was asked meanwhile to
  // end what runs, the window returns to painting once the outermost one is
  // back, and does what was asked.
  void Run(const std::function<void()>& body);
  // A change of the cube from a menu or a button: in the painting phase it
  // is made at once; otherwise whatever runs ends first, and the cube as it
  // stands on the drawing becomes the painting it is made on.
  void ChangeCube(std::function<void()> change);
  // Ending what runs, for New Cube and the changes of the cube.
  bool Stopping() const;
  void FinishStopping();
  void ReturnToPainting(const Buffer& standing);
  // Waits as the toolkit waits, and also ends when what runs is ending.
  bool Wait(const std::function<bool()>& done);
  void ProcessEventsOnce();

  // One undoable step of painting: what `change` does to the cube.
  void ChangePainting(const QString& what, const std::function<void()>& change);
  void SetPainting(const Buffer& cube);
  // The Animation and Options choices that last between runs.
  void KeepMenuChoices();
  void ApplyKeptChoices();
  void KeepPainting();
  void PaintAtCursor(int colourCode);
  void RotateWholeCube(int axis, int direction);
  void MoveStickerCursor(CursorMove move);
  void ShowStickerCursor();
  // The captions of the buttons that change them, with their access keys.
  void SetNextCaption(const QString& caption);
  void SetPauseCaption(const QString& caption);
  void ShowInstruction(const QString& text);
  // A timed wait: Timer1 runs for `millis`; ends early when `alsoWhen` holds.
  bool TimedWait(int millis, const std::function<bool()>& alsoWhen = {});
  // Waits for "&Next -->"; false when the program is ending.
  // Also ends when `alsoWhen` holds.
  bool WaitForNext(bool focus, const std::function<bool()>& alsoWhen = {});
  // Animates and applies one turn as playback shows it (a half turn as two
  // quarter turns) and redraws.
  void PlayTurn(int face, int turn);
  void AnimateAndTurn(int face, int q, int e);
  // The pause check after a move; false when the program is ending.
  bool PauseCheck(bool withBack);
  // The wait after a move: timed, or until "&Next Move" in step-by-step play.
  bool WaitAfterMove();
  void ShowProgress(int done, int total);
  void RepairAnimation(char which, const std::array<int, 3>& flags);

  Services& services_;
  Vars& vars_;
  std::unique_ptr<PictureFrames> frames_;
  QWidget* client_ = nullptr;
  int outerWidthTwips_ = 0;
  int outerHeightTwips_ = 0;
  Phase phase_ = Phase::Painting;
  int running_ = 0;  // handlers on the stack that wait or animate
  int busy_ = 0;     // animations being drawn
  bool stopping_ = false;
  bool stepWaiting_ = false;  // a step-by-step move waits for "&Next Move"
  std::vector<std::function<void()>> afterStopping_;
  Buffer standing_{};        // the cube as it stood when ending what runs began
  Buffer paintedAtSolve_{};  // the painting "&Solve" accepted
  StickerPlace cursor_{1, 0, 0};
  int cursorFront_ = 4;  // the front face the cursor was on last
  QUndoStack* undo_ = nullptr;
  QDialog* handbook_ = nullptr;   // made when first opened
  QPointer<ScanWindow> scanner_;  // while open
  bool scanned_ = false;          // the painting began with a scan
  bool fewestReady_ = false;
  std::jthread fewestBuilder_;  // last: it ends before the rest of the window goes
};

}  // namespace rotalo::ui
