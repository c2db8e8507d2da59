#include "ui/solve_form.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>

#include "checking/entry_check.h"
#include "fewest/fewest.h"
#include "render/cube_drawing.h"
#include "render/picking.h"
#include "render/qt/qt_canvas.h"
#include "render/rotation_animation.h"
#include "ui/art/artwork.h"
#include "ui/fonts.h"
#include "ui/form_layout.h"
#include "ui/help.h"
#include "ui/kept_state.h"
#include "ui/keyboard.h"
#include "ui/picture_box.h"
#include "ui/scan_window.h"
#include "ui/start_form.h"
#include "ui/swatch.h"
#include "ui/texts.h"

namespace rotalo::ui {

namespace {

constexpr int kDesignWidth = 8664;
constexpr int kDesignHeight = 3972;

constexpr TwipsRect kShape2{240, 3240, 6492, 612};
constexpr TwipsRect kGageBorder{3720, 960, 4212, 732};
constexpr TwipsRect kGage{3840, 1080, 12, 492};
constexpr TwipsRect kProgressLabel{3840, 1200, 3972, 252};
constexpr TwipsRect kPauseButton{5040, 1800, 1572, 375};
constexpr TwipsRect kExitButton{5040, 2280, 1572, 375};
constexpr TwipsRect kRotateButton{6840, 2760, 1572, 375};
constexpr TwipsRect kNextButton{5040, 2280, 1572, 375};
constexpr TwipsRect kBackButton{5040, 2280, 1572, 372};
constexpr TwipsRect kSubmitButton{5040, 2280, 1572, 375};
constexpr TwipsRect kInstruct{3840, 240, 4575, 2055};
constexpr TwipsRect kLabel1{360, 3360, 1812, 372};
constexpr TwipsRect kPC{240, 240, 2760, 2748};
constexpr TwipsRect kScrButton{4800, 120, 255, 255};
constexpr std::array<int, 4> kScrLefts{5160, 5880, 6600, 7320};
constexpr std::array<int, 4> kSlbLefts{5280, 6000, 6720, 7440};
constexpr TwipsRect SwatchRect(int i) {
  return {2400 + 720 * (i - 1), 3360, 492, 372};
}

constexpr std::array<int, 5> kFrameChoices{2, 4, 6, 8, 10};
constexpr std::array<int, 6> kPauseChoices{1, 1000, 2000, 3000, 4000, 5000};

QPalette Coloured(QPalette p, QPalette::ColorRole role, const QColor& colour) {
  p.setColor(role, colour);
  return p;
}

// A ticked entry whose handler sets the tick itself: the click alone does
// not change it.
template <typename Handler>
void ConnectToggle(QAction* action, Handler handler) {
  action->setCheckable(true);
  QObject::connect(action, &QAction::triggered, action, [action, handler] {
    action->setChecked(!action->isChecked());
    handler();
  });
}

}  // namespace

// One step of painting that Undo takes back: the cube before and after.
class PaintingStep final : public QUndoCommand {
 public:
  PaintingStep(SolveForm& form, const Buffer& before, const Buffer& after, const QString& what)
      : QUndoCommand(what), form_(form), before_(before), after_(after) {}
  void undo() override { form_.SetPainting(before_); }
  void redo() override { form_.SetPainting(after_); }

 private:
  SolveForm& form_;
  Buffer before_;
  Buffer after_;
};

SolveForm::SolveForm(Services& services, Vars& vars, QWidget* parent)
    : QMainWindow(parent), services_(services), vars_(vars) {
  // The tables come from the cache folder where an earlier run kept them.
  BuildFewestTables = [folder = std::filesystem::path(services_.CacheFolder().toStdU16String())] {
    LoadOrBuildFewestTables(folder);
  };
  setWindowTitle(kAppTitle);
  setWindowIcon(ProgramIcon());
  undo_ = new QUndoStack(this);
  BuildControls();
  BuildMenus();
  frames_ = std::make_unique<PictureFrames>(*PC, services_, [this] { return Stopping(); });
  Timer1 = services_.MakeTimer([this] { Timer1_Timer(); });
  Timer1->SetInterval(1000);
}

SolveForm::~SolveForm() {
  // The painting steps go with the window's children, when nothing of the
  // window may be asked any more.
  undo_->disconnect(this);
}

void SolveForm::BuildControls() {
  client_ = new QWidget(this);
  client_->setFont(DesignFont("MS Sans Serif", 7.8, true));
  client_->setAutoFillBackground(true);
  const QColor yellow = QtCanvas::ToQColor(kLightYellow);
  client_->setPalette(Coloured(client_->palette(), QPalette::Window, yellow));
  setCentralWidget(client_);

  Shape2 = new QFrame(client_);
  Shape2->setFrameShape(QFrame::Box);
  Shape2->setLineWidth(1);
  GageBorder = new QFrame(client_);
  GageBorder->setFrameShape(QFrame::Box);
  GageBorder->setAccessibleName(tr("Progress"));
  Gage = new QFrame(client_);
  Gage->setAutoFillBackground(true);
  Gage->setPalette(Coloured(Gage->palette(), QPalette::Window, Qt::blue));
  ProgressLabel = new QLabel(tr("Progress"), client_);
  ProgressLabel->setFont(DesignFont("MS Sans Serif", 9.6, true));
  ProgressLabel->setAlignment(Qt::AlignCenter);
  ProgressLabel->setAutoFillBackground(true);
  ProgressLabel->setPalette(
      Coloured(Coloured(ProgressLabel->palette(), QPalette::WindowText, Qt::blue), QPalette::Window, yellow));

  Instruct = new QLabel(client_);
  Instruct->setWordWrap(true);
  Instruct->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Instruct->setTextFormat(Qt::PlainText);
  Instruct->lower();  // short texts above the progress bar; the bar shows through
  Label1 = new QLabel(tr("Paint Box"), client_);
  Label1->setFont(DesignFont("Arial", 18, true));
  for (int i = 1; i <= 6; ++i) {
    auto* swatch = new Swatch(client_);
    connect(swatch, &Swatch::clicked, this, [this, i] { Image1_Click(i); });
    Shape1[static_cast<std::size_t>(i)] = swatch;
  }

  PC = new PictureBox(client_);
  PC->onMouseDown = [this](int button, float x, float y) { PC_MouseDown(button, 0, x, y); };
  PC->onMouseMove = [this](float x, float y) { PC_MouseMove(0, 0, x, y); };
  PC->onKeyPress = [this](int key, Qt::KeyboardModifiers modifiers) { return PC_KeyPress(key, modifiers); };
  // On a screen with another scale the resting cube is drawn again; a turn
  // being drawn draws its next frame there anyway.
  PC->onRatioChanged = [this] {
    if (busy_ == 0) DrawCube();
  };
  PC->stickerName = [this](int index) { return StickerName(index); };
  PC->SetDrawContext(&Draw);

  const auto button = [this](const QString& caption, auto handler) {
    auto* b = new QPushButton(caption, client_);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
  };
  PauseButton = button(tr("Pause"), [this] { PauseButton_Click(); });
  ExitButton = button(tr("&Exit"), [this] { ExitButton_Click(); });
  RotateButton = button(tr("&Rotate"), [this] { RotateButton_Click(); });
  NextButton = button(tr("&Next -->"), [this] { NextButton_Click(); });
  BackButton = button(tr("Back"), [this] { BackButton_Click(); });
  SubmitButton = button(tr("&Solve"), [this] { SubmitButton_Click(); });
  for (QPushButton* b : {PauseButton, ExitButton, RotateButton, NextButton, BackButton}) {
    b->hide();
  }
  // Access keys for the buttons whose captions have no letter marked.
  PauseButton->setShortcut(kPauseKey);
  BackButton->setShortcut(kBackKey);

  ScrButton = button(QString(), [this] { ScrButton_Click(); });
  ScrButton->setAccessibleName(tr("Apply the drawing size"));
  const std::array<QString, 4> names{tr("H"), tr("W"), tr("SH"), tr("SW")};
  const std::array<QString, 4> meanings{tr("Height"), tr("Width"), tr("Scale height"), tr("Scale width")};
  std::array<QLineEdit*, 4> edits{};
  for (std::size_t k = 0; k < 4; ++k) {
    edits[k] = new QLineEdit(client_);
    edits[k]->setAutoFillBackground(true);
    edits[k]->setPalette(Coloured(edits[k]->palette(), QPalette::Base, yellow));
    edits[k]->setAccessibleName(meanings[k]);
    ScrLabels[k] = new QLabel(names[k], client_);
    ScrLabels[k]->setBuddy(edits[k]);
  }
  ScrH = edits[0];
  ScrW = edits[1];
  ScrSH = edits[2];
  ScrSW = edits[3];
  ScrButton->hide();
  for (std::size_t k = 0; k < 4; ++k) {
    edits[k]->hide();
    ScrLabels[k]->hide();
  }
  GageBorder->hide();
  Gage->hide();
  ProgressLabel->hide();
  Instruct->hide();
  ReturnPressesButtons(*client_);
}

void SolveForm::BuildMenus() {
  MenuAnimation = menuBar()->addMenu(tr("&Animation"));
  MenuFrames = MenuAnimation->addMenu(tr("&Detail"));
  auto* frameGroup = new QActionGroup(this);
  const std::array<QString, 5> frameCaptions{tr("&2 Frames"), tr("&4 Frames"), tr("&6 Frames"), tr("&8 Frames"),
                                             tr("1&0 Frames")};
  for (std::size_t k = 0; k < kFrameChoices.size(); ++k) {
    QAction* action = MenuFrames->addAction(frameCaptions[k]);
    action->setCheckable(true);
    frameGroup->addAction(action);
    const int frames = kFrameChoices[k];
    connect(action, &QAction::triggered, this, [this, frames] { MenuR_Click(frames); });
    MenuR[k] = action;
  }
  MenuR[2]->setChecked(true);

  MenuPause = MenuAnimation->addMenu(tr("&Pause"));
  auto* pauseGroup = new QActionGroup(this);
  const std::array<QString, 6> pauseCaptions{tr("&None"),      tr("&1 Second"),  tr("&2 Seconds"),
                                             tr("&3 Seconds"), tr("&4 Seconds"), tr("&5 Seconds")};
  for (std::size_t k = 0; k < kPauseChoices.size(); ++k) {
    QAction* action = MenuPause->addAction(pauseCaptions[k]);
    action->setCheckable(true);
    pauseGroup->addAction(action);
    const int index = static_cast<int>(k);
    connect(action, &QAction::triggered, this, [this, index] { MenuP_Click(index); });
    MenuP[k] = action;
  }
  MenuP[3]->setChecked(true);
  MenuStep = MenuPause->addAction(tr("&Step by Step"));
  MenuStep->setCheckable(true);
  pauseGroup->addAction(MenuStep);
  connect(MenuStep, &QAction::triggered, this, [this] { MenuStep_Click(); });

  MenuOptions = menuBar()->addMenu(tr("&Options"));
  MenuQuickFill = MenuOptions->addAction(tr("&Quick Fill"), this, [this] { MenuQuickFill_Click(); });
  MenuJumble = MenuOptions->addAction(tr("&Jumble"), this, [this] { MenuJumble_Click(); });
  MenuRotate = MenuOptions->addAction(tr("&Rotate Button"));
  ConnectToggle(MenuRotate, [this] { MenuRotate_Click(); });
  MenuSolveString = MenuOptions->addAction(tr("See &Solution"), this, [this] { MenuSolveString_Click(); });
  MenuGran = MenuOptions->addAction(tr("&Granularity"));
  ConnectToggle(MenuGran, [this] { MenuGran_Click(); });
  MenuTwips = MenuOptions->addAction(tr("&Twips"), this, [this] { MenuTwips_Click(); });
  MenuOptions->addSeparator();
  MenuFewest = MenuOptions->addAction(tr("&Fewest Moves"));
  ConnectToggle(MenuFewest, [this] { MenuFewest_Click(); });
  MenuNotation =
      MenuOptions->addAction(tr("See Solution in Standard &Notation"), this, [this] { MenuNotation_Click(); });
  MenuCopyText = MenuOptions->addAction(tr("&Copy Cube as Text"), this, [this] { MenuCopyText_Click(); });
  MenuEnterText = MenuOptions->addAction(tr("&Enter Cube as Text..."), this, [this] { MenuEnterText_Click(); });
  MenuScan = MenuOptions->addAction(tr("Sc&an Cube..."), this, [this] { MenuScan_Click(); });
  MenuScan->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));

  MenuPatterns = menuBar()->addMenu(tr("&Patterns"));
  const std::array<QString, 5> patternCaptions{tr("&Checks"), tr("C&entres"), tr("&HI"), tr("&Diagonal Lines"),
                                               tr("&TTTTTT")};
  for (int i = 1; i <= 5; ++i) {
    QAction* action = MenuPatterns->addAction(patternCaptions[static_cast<std::size_t>(i - 1)]);
    ConnectToggle(action, [this, i] { MenuPat_Click(i); });
    MenuPat[static_cast<std::size_t>(i)] = action;
  }
  MenuPatterns->menuAction()->setEnabled(false);

  MenuCube = menuBar()->addMenu(tr("&Cube"));
  MenuNewCube = MenuCube->addAction(tr("&New Cube"), this, [this] { MenuNewCube_Click(); });
  MenuNewCube->setShortcut(QKeySequence::New);
  MenuCube->addSeparator();
  MenuUndo = MenuCube->addAction(tr("&Undo"), this, [this] {
    if (phase_ == Phase::Painting && running_ == 0) undo_->undo();
  });
  MenuUndo->setShortcuts(QKeySequence::Undo);
  MenuRedo = MenuCube->addAction(tr("&Redo"), this, [this] {
    if (phase_ == Phase::Painting && running_ == 0) undo_->redo();
  });
  MenuRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(undo_, &QUndoStack::indexChanged, this, [this] { UpdateCommands(); });

  MenuHelp = menuBar()->addMenu(tr("&Help"));
  MenuHandbook = MenuHelp->addAction(tr("Rotalo &Handbook"), this, [this] { MenuHandbook_Click(); });
  MenuHandbook->setShortcut(QKeySequence::HelpContents);
  MenuAbout = MenuHelp->addAction(tr("&About Rotalo"), this, [this] { MenuAbout_Click(); });
}

void SolveForm::MenuHandbook_Click() {
  if (handbook_ == nullptr) {
    handbook_ = new HandbookWindow(this);
  }
  handbook_->show();
  handbook_->raise();
  handbook_->activateWindow();
}

void SolveForm::MenuAbout_Click() {
  services_.About(this, tr("About Rotalo"), AboutText());
}

void SolveForm::Form_Load() {
  const FormScaler scaler(services_, kDesignWidth, kDesignHeight, 730, 340, 72, 648);
  outerWidthTwips_ = scaler.OuterWidthTwips();
  outerHeightTwips_ = scaler.OuterHeightTwips();
  client_->setFixedSize(scaler.ClientPixels());
  move(scaler.PositionPixels());

  const double labelPoints = client_->font().pointSizeF();
  scaler.Place(*Shape2, kShape2);
  scaler.Place(*GageBorder, kGageBorder);
  scaler.Place(*Gage, kGage);
  scaler.Place(*ProgressLabel, kProgressLabel, ProgressLabel->font().pointSizeF());
  scaler.Place(*PauseButton, kPauseButton);
  scaler.Place(*ExitButton, kExitButton);
  scaler.Place(*RotateButton, kRotateButton);
  scaler.Place(*NextButton, kNextButton);
  scaler.Place(*BackButton, kBackButton);
  scaler.Place(*SubmitButton, kSubmitButton);
  scaler.Place(*Instruct, kInstruct, labelPoints);
  scaler.Place(*Label1, kLabel1, Label1->font().pointSizeF());
  for (int i = 1; i <= 6; ++i) {
    scaler.Place(*Shape1[static_cast<std::size_t>(i)], SwatchRect(i));
  }
  // Not scaled: the drawing and the Granularity panel.
  PC->move(scaler.Unscaled(kPC).topLeft());
  ScrButton->setGeometry(scaler.Unscaled(kScrButton));
  const std::array<QLineEdit*, 4> edits{ScrH, ScrW, ScrSH, ScrSW};
  for (std::size_t k = 0; k < 4; ++k) {
    edits[k]->setGeometry(scaler.Unscaled({kScrLefts[k], 120, 615, 285}));
    ScrLabels[k]->setGeometry(scaler.Unscaled({kSlbLefts[k], 360, 375, 255}));
  }
  // Tab order: the Paint Box, then the buttons of the current phase.
  QWidget* previous = PC;
  for (int i = 1; i <= 6; ++i) {
    setTabOrder(previous, Shape1[static_cast<std::size_t>(i)]);
    previous = Shape1[static_cast<std::size_t>(i)];
  }
  for (QWidget* next :
       std::initializer_list<QWidget*>{SubmitButton, NextButton, PauseButton, BackButton, ExitButton, RotateButton}) {
    setTabOrder(previous, next);
    previous = next;
  }

  ShowInstruction(PaintingInstructions());

  PC->SetBoxSize(230, 230);
  PC->SetBoxScale(230, 230);
  PC->canvas().SetBackground(Background::Arrows);
  services_.ProcessEventsOnce();

  PatternCount = 5;
  Draw = DrawContext{};
  CursorKind = 1;
  PC->setCursor(PaintingPointer());
  MouseReady = 1;
  DrawCube();

  vars_.RecordMoves = 1;
  Draw.FramesPerTurn = 6;
  PauseMillis = 3000;
  BrushColour = 1;
  for (int i = 1; i <= 6; ++i) {
    const auto k = static_cast<std::size_t>(i);
    Shape1[k]->SetFillColour(vars_.ChosenColourValue[k]);
    Shape1[k]->SetBorderWidth(i == 1 ? 4 : 1);
    Shape1[k]->setAccessibleName(Texts::Colour(vars_.ChosenColourName[k]));
    vars_.FaceColourValue[k] = vars_.ChosenColourValue[k];
  }
  FillCornerTable(vars_);
  ApplyKeptChoices();
  // An unfinished painting of the last run comes back.
  if (const std::optional<Buffer> kept = KeptPainting(services_.Settings(), vars_)) {
    vars_.current() = *kept;
    DrawCube();
  }
  fewestBuilder_ = std::jthread([this, build = BuildFewestTables] {
    if (build) build();
    QMetaObject::invokeMethod(
        this, [this] { fewestReady_ = true; }, Qt::QueuedConnection);
  });
  UpdateCommands();
  ShowStickerCursor();
  show();
  SubmitButton->setFocus();
}

QString SolveForm::PaintingInstructions() const {
  const QString lf = QStringLiteral("\n\r");
  QString text = tr("- Click on a brush colour from the Paint Box.") + lf + lf +
                 tr("- Left click on the cube to colour it in.") + lf + lf +
                 tr("- Right click on the cube to clear a colour.") + lf + lf +
                 tr("- Click on an arrow head to rotate the cube.") + lf + lf +
                 tr("- Click Solve when all six sides are coloured in.");
  const Buffer& cube = vars_.current();
  const auto left = std::count(cube.begin() + 1, cube.end(), Int16{0});
  if (scanned_ && left > 0) {
    text += lf + lf + tr("%n stickers are left to paint.", nullptr, static_cast<int>(left));
  }
  return text;
}

void SolveForm::ShowInstruction(const QString& text) {
  Instruct->setText(WithQtLineBreaks(text));
  Instruct->show();
}

void SolveForm::DrawCube() {
  rotalo::DrawCube(PC->canvas(), Draw, vars_);
  PC->Present(false);
  PC->StickersChanged();
}

void SolveForm::Image1_Click(int index) {
  for (int i = 1; i <= 6; ++i) {
    Shape1[static_cast<std::size_t>(i)]->SetBorderWidth(1);
  }
  Shape1[static_cast<std::size_t>(index)]->SetBorderWidth(4);
  BrushColour = index;
}

void SolveForm::PC_MouseDown(int button, int /*shift*/, float x, float y) {
  const Pick pick = PickAt(Draw, x, y);
  int sticker = 0;
  // One thing at a time: nothing is taken while the cube is being turned.
  if (MouseReady == 1 && !Busy()) {
    MouseReady = 0;
    sticker = pick.sticker;
    if (phase_ == Phase::Painting && pick.OnArrowHead()) {
      RotateWholeCube(pick.rotationAxis, pick.rotationDirection);
    }
    MouseReady = 1;
  }
  if (sticker != 0 && phase_ == Phase::Painting && MouseReady == 1 && !Busy() && !Stopping()) {
    ChangePainting(tr("Paint"), [&] {
      vars_.current()[static_cast<std::size_t>(sticker)] = static_cast<Int16>(button == 1 ? BrushColour : 0);
    });
  }
}

void SolveForm::RotateWholeCube(int axis, int direction) {
  Run([&] {
    ChangePainting(tr("Turn the Cube"), [&] {
      ++busy_;
      UpdateCommands();
      AnimateRotation(PC->canvas(), Draw, vars_, *frames_, axis, direction);
      --busy_;
      UpdateCommands();
    });
  });
}

void SolveForm::PC_MouseMove(int /*button*/, int /*shift*/, float x, float y) {
  const Pick pick = PickAt(Draw, x, y);
  if (phase_ != Phase::Painting) {
    return;
  }
  if (pick.OnSticker()) {
    if (CursorKind != 1) {
      PC->setCursor(PaintingPointer());
      CursorKind = 1;
    }
  } else if (pick.OnArrowHead()) {
    if (CursorKind != 2) {
      PC->setCursor(RotatingPointer());
      CursorKind = 2;
    }
  } else {
    PC->unsetCursor();
    CursorKind = 0;
  }
}

bool SolveForm::PC_KeyPress(int key, Qt::KeyboardModifiers modifiers) {
  if (phase_ != Phase::Painting || (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    return false;
  }
  static constexpr std::array<std::pair<int, CursorMove>, 4> kArrows{{{Qt::Key_Left, CursorMove::Left},
                                                                      {Qt::Key_Right, CursorMove::Right},
                                                                      {Qt::Key_Up, CursorMove::Up},
                                                                      {Qt::Key_Down, CursorMove::Down}}};
  for (const auto& [arrow, move] : kArrows) {
    if (key == arrow) {
      MoveStickerCursor(move);
      return true;
    }
  }
  switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      PaintAtCursor(BrushColour);
      return true;
    case Qt::Key_0:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
      PaintAtCursor(0);
      return true;
    case Qt::Key_X:
    case Qt::Key_Y:
    case Qt::Key_Z:
      // As standard notation's x, y and z: the whole cube turns as a turn of
      // the right front face, the top or the left front face turns that face.
      if (!Busy()) {
        const int axis = key == Qt::Key_X ? 4 : key == Qt::Key_Y ? 1 : 5;
        RotateWholeCube(axis, (modifiers & Qt::ShiftModifier) ? -1 : 1);
      }
      return true;
    default:
      if (key >= Qt::Key_1 && key <= Qt::Key_6) {
        Image1_Click(key - Qt::Key_0);
        PaintAtCursor(BrushColour);
        return true;
      }
      return false;
  }
}

void SolveForm::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (phase_ == Phase::Painting && key >= Qt::Key_1 && key <= Qt::Key_6 &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    Image1_Click(key - Qt::Key_0);
    return;
  }
  // Space takes the next step of step-by-step play; a focused button takes
  // its own Space first.
  if (key == Qt::Key_Space && stepWaiting_) {
    NextButton_Click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void SolveForm::PaintAtCursor(int colourCode) {
  if (Busy() || Stopping()) {
    return;
  }
  ChangePainting(tr("Paint"), [&] {
    vars_.current()[static_cast<std::size_t>(StickerAt(cursor_))] = static_cast<Int16>(colourCode);
  });
}

void SolveForm::MoveStickerCursor(CursorMove move) {
  cursor_ = MoveCursor(cursor_, move, cursorFront_);
  if (cursor_.face != 1) {
    cursorFront_ = cursor_.face;
  }
  ShowStickerCursor();
}

void SolveForm::ShowStickerCursor() {
  PC->SetCursorPlace(phase_ == Phase::Painting ? PlaceIndex(cursor_) : -1);
}

QString SolveForm::StickerName(int index) const {
  const int sticker = StickerAt(PlaceAt(index));
  const Int16 value = vars_.current()[static_cast<std::size_t>(sticker)];
  // While painting the value is a colour code; later the face whose centre
  // colour it has. Either way its colour code.
  const int code = ColourCodeOf(vars_, value);
  const QString colour = code >= 1 && code <= 6 ? Texts::Colour(vars_.ChosenColourName[static_cast<std::size_t>(code)])
                                                : tr("not coloured");
  return tr("%1: %2").arg(Texts::Place(PlaceAt(index)), colour);
}

// ---------------------------------------------------------------------------
// Phases, and ending what runs.

void SolveForm::SetPhase(Phase phase) {
  phase_ = phase;
  ShowStickerCursor();
  UpdateCommands();
}

void SolveForm::UpdateCommands() {
  const bool painting = phase_ == Phase::Painting && running_ == 0;
  MenuUndo->setEnabled(painting && undo_->canUndo());
  MenuScan->setEnabled(painting);
  MenuRedo->setEnabled(painting && undo_->canRedo());
}

void SolveForm::Run(const std::function<void()>& body) {
  ++running_;
  UpdateCommands();
  body();
  --running_;
  UpdateCommands();
  if (running_ == 0 && stopping_ && !services_.Ending()) {
    FinishStopping();
  }
}

void SolveForm::ChangeCube(std::function<void()> change) {
  if (running_ > 0) {
    // Ends what runs; the change follows once it has.
    if (!stopping_) {
      standing_ = vars_.current();
      stopping_ = true;
    }
    afterStopping_.push_back(std::move(change));
    return;
  }
  if (phase_ != Phase::Painting) {
    ReturnToPainting(vars_.current());
  }
  change();
}

bool SolveForm::Stopping() const {
  return stopping_ || services_.Ending();
}

void SolveForm::FinishStopping() {
  stopping_ = false;
  if (phase_ != Phase::Painting) {
    ReturnToPainting(standing_);
  }
  std::vector<std::function<void()>> changes = std::move(afterStopping_);
  afterStopping_.clear();
  for (const auto& change : changes) {
    change();
    if (services_.Ending()) {
      return;
    }
  }
}

void SolveForm::ReturnToPainting(const Buffer& standing) {
  // The cube in the user's colours again, as painting keeps it.
  vars_.CurBuffer = 0;
  vars_.current() = standing;
  RestoreColourCodes(vars_);
  const Buffer codes = vars_.current();
  vars_.current() = paintedAtSolve_;
  vars_.MoveString.clear();
  vars_.RecordMoves = 1;
  SolutionText.clear();
  Play = PlayState{};
  MoveCount = 0;
  PatternTotal = 0;
  PlayingFewest = false;
  Paused = 0;
  StepDone = 0;
  stepWaiting_ = false;
  Timer1->SetEnabled(false);
  Draw.TurnBusy = 0;
  Draw.CubeVisible = 1;

  for (QWidget* w : std::initializer_list<QWidget*>{NextButton, BackButton, ExitButton, PauseButton, Gage, GageBorder,
                                                    ProgressLabel}) {
    w->hide();
  }
  SetNextCaption(tr("&Next -->"));
  SetPauseCaption(tr("Pause"));
  PauseButton->setEnabled(true);
  BackButton->setEnabled(true);
  Gage->resize(0, Gage->height());
  ProgressLabel->setText(tr("Progress"));
  MenuPatterns->menuAction()->setEnabled(false);
  for (int i = 1; i <= PatternCount; ++i) {
    MenuPat[static_cast<std::size_t>(i)]->setChecked(false);
    MenuPat[static_cast<std::size_t>(i)]->setEnabled(true);
  }
  ShowInstruction(PaintingInstructions());
  Label1->show();
  Shape2->show();
  for (int i = 1; i <= 6; ++i) {
    Shape1[static_cast<std::size_t>(i)]->show();
  }
  SubmitButton->show();
  PC->canvas().SetBackground(Background::Arrows);
  PC->setCursor(PaintingPointer());
  CursorKind = 1;
  SetPhase(Phase::Painting);
  // Where the solve left the cube is one step of painting: Undo goes back
  // to what was painted.
  ChangePainting(tr("Stop Solving"), [&] { vars_.current() = codes; });
  DrawCube();
  SubmitButton->setFocus();
}

bool SolveForm::Wait(const std::function<bool()>& done) {
  return services_.WaitUntil([&] { return stopping_ || done(); }) && !stopping_;
}

void SolveForm::ProcessEventsOnce() {
  if (!Stopping()) {
    services_.ProcessEventsOnce();
  }
}

// ---------------------------------------------------------------------------
// Painting steps.

void SolveForm::ChangePainting(const QString& what, const std::function<void()>& change) {
  const Buffer before = vars_.current();
  change();
  if (vars_.current() != before) {
    undo_->push(new PaintingStep(*this, before, vars_.current(), what));
  } else {
    DrawCube();
  }
}

void SolveForm::SetPainting(const Buffer& cube) {
  vars_.current() = cube;
  DrawCube();
  KeepPainting();
  if (scanned_ && phase_ == Phase::Painting) {
    ShowInstruction(PaintingInstructions());
  }
}

ScanWindow* SolveForm::Scanner() const {
  return scanner_.data();
}

void SolveForm::MenuScan_Click() {
  if (phase_ != Phase::Painting || running_ > 0 || scanner_ != nullptr) {
    return;
  }
  std::array<Colour, 6> chosen{};
  for (std::size_t k = 0; k < chosen.size(); ++k) {
    chosen[k] = vars_.ChosenColourValue[k + 1];
  }
  scanner_ = new ScanWindow(services_, chosen, this);
  scanner_->setAttribute(Qt::WA_DeleteOnClose);
  scanner_->setWindowModality(Qt::WindowModal);
  connect(scanner_, &ScanWindow::CubeChosen, this, [this](const Buffer& painting) {
    ChangeCube([this, painting] {
      scanned_ = true;
      ChangePainting(tr("Scan Cube"), [&] { vars_.current() = painting; });
      ShowInstruction(PaintingInstructions());
    });
  });
  scanner_->show();
}

void SolveForm::KeepPainting() {
  if (phase_ == Phase::Painting) {
    rotalo::ui::KeepPainting(services_.Settings(), vars_, vars_.current());
  }
}

void SolveForm::MenuNewCube_Click() {
  ChangeCube([this] {
    scanned_ = false;
    ChangePainting(tr("New Cube"), [this] { vars_.current().fill(0); });
    ShowInstruction(PaintingInstructions());
  });
}

void SolveForm::SetPauseCaption(const QString& caption) {
  PauseButton->setText(caption);
  PauseButton->setShortcut(kPauseKey);  // a caption without a marked letter clears it
}

void SolveForm::SetNextCaption(const QString& caption) {
  NextButton->setText(caption);
  if (!caption.contains(QLatin1Char('&'))) {
    NextButton->setShortcut(kGoKey);  // "Go !"
  }
}

void SolveForm::ExitButton_Click() {
  services_.EndProgram();
}

void SolveForm::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program, whatever it was doing.
  event->accept();
  services_.EndProgram();
}

}  // namespace rotalo::ui
