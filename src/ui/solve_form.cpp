#include "ui/solve_form.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include "fewest/fewest.h"
#include "render/cube_drawing.h"
#include "render/picking.h"
#include "render/qt/qt_canvas.h"
#include "render/rotation_animation.h"
#include "ui/art/artwork.h"
#include "ui/fonts.h"
#include "ui/form_layout.h"
#include "ui/picture_box.h"
#include "ui/start_form.h"
#include "ui/swatch.h"

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

SolveForm::SolveForm(Services& services, Vars& vars, QWidget* parent)
    : QMainWindow(parent), services_(services), vars_(vars) {
  setWindowTitle(kAppTitle);
  setWindowIcon(ProgramIcon());
  BuildControls();
  BuildMenus();
  frames_ = std::make_unique<PictureFrames>(*PC, services_);
  Timer1 = services_.MakeTimer([this] { Timer1_Timer(); });
  Timer1->SetInterval(1000);
}

SolveForm::~SolveForm() = default;

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

  // Space presses "&Next Move" in step-by-step play, wherever the focus is.
  auto* space = new QShortcut(QKeySequence(Qt::Key_Space), this);
  connect(space, &QShortcut::activated, this, [this] {
    if (StepByStep && NextButton->isVisible()) {
      NextButton_Click();
    }
  });

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

  MenuPatterns = menuBar()->addMenu(tr("&Patterns"));
  const std::array<QString, 5> patternCaptions{tr("&Checks"), tr("C&entres"), tr("&HI"), tr("&Diagonal Lines"),
                                               tr("&TTTTTT")};
  for (int i = 1; i <= 5; ++i) {
    QAction* action = MenuPatterns->addAction(patternCaptions[static_cast<std::size_t>(i - 1)]);
    ConnectToggle(action, [this, i] { MenuPat_Click(i); });
    MenuPat[static_cast<std::size_t>(i)] = action;
  }
  MenuPatterns->menuAction()->setEnabled(false);
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

  const QString lf = QStringLiteral("\n\r");
  ShowInstruction(tr("- Click on a brush colour from the Paint Box.") + lf + lf +
                  tr("- Left click on the cube to colour it in.") + lf + lf +
                  tr("- Right click on the cube to clear a colour.") + lf + lf +
                  tr("- Click on an arrow head to rotate the cube.") + lf + lf +
                  tr("- Click Solve when all six sides are coloured in."));

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
    Shape1[k]->setAccessibleName(QString::fromStdString(vars_.ChosenColourName[k]));
    vars_.FaceColourValue[k] = vars_.ChosenColourValue[k];
  }
  FillCornerTable(vars_);
  fewestTables_ = StartFewestTables();
  show();
  SubmitButton->setFocus();
}

void SolveForm::ShowInstruction(const QString& text) {
  Instruct->setText(WithQtLineBreaks(text));
  Instruct->show();
}

void SolveForm::DrawCube() {
  rotalo::DrawCube(PC->canvas(), Draw, vars_);
  PC->Present(false);
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
  if (MouseReady == 1) {
    MouseReady = 0;
    sticker = pick.sticker;
    if (Label1->isVisible() && pick.OnArrowHead()) {
      int direction = pick.rotationDirection;
      AnimateRotation(PC->canvas(), Draw, vars_, *frames_, pick.rotationAxis, direction);
      PC->Present(false);
    }
    MouseReady = 1;
  }
  if (sticker != 0 && Label1->isVisible() && MouseReady == 1 && !services_.Ending()) {
    vars_.current()[static_cast<std::size_t>(sticker)] = static_cast<Int16>(button == 1 ? BrushColour : 0);
    DrawCube();
  }
}

void SolveForm::PC_MouseMove(int /*button*/, int /*shift*/, float x, float y) {
  const Pick pick = PickAt(Draw, x, y);
  if (!Label1->isVisible()) {
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

void SolveForm::ExitButton_Click() {
  services_.EndProgram();
}

void SolveForm::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program, whatever it was doing.
  event->accept();
  services_.EndProgram();
}

}  // namespace rotalo::ui
