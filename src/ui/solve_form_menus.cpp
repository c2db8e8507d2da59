// The Animation and Options menus of the main window, the Rotate button and
// the Granularity panel.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <optional>

#include "checking/entry_check.h"
#include "model/jumble.h"
#include "model/moves.h"
#include "model/notation.h"
#include "render/turn_animation.h"
#include "ui/kept_state.h"
#include "ui/picture_box.h"
#include "ui/solve_form.h"

namespace rotalo::ui {

namespace {

constexpr int kMaxBoxPixels = 2000;
constexpr double kMaxScale = 100000;

// A whole number typed into an input box, spaces around it allowed.
std::optional<int> WholeNumber(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

// The number a text starts with, as the Granularity boxes read it.
std::optional<double> LeadingNumber(const QString& text) {
  const QString t = text.trimmed();
  qsizetype end = 0;
  if (end < t.size() && (t[end] == u'+' || t[end] == u'-')) {
    ++end;
  }
  bool digits = false;
  while (end < t.size() && t[end].isDigit()) {
    ++end;
    digits = true;
  }
  if (end < t.size() && t[end] == u'.') {
    ++end;
    while (end < t.size() && t[end].isDigit()) {
      ++end;
      digits = true;
    }
  }
  if (!digits) {
    return std::nullopt;
  }
  return t.left(end).toDouble();
}

QString General(double value) {
  return QString::number(value, 'g', 15);
}

}  // namespace

void SolveForm::MenuR_Click(int frames) {
  Draw.FramesPerTurn = frames;
  for (std::size_t k = 0; k < MenuR.size(); ++k) {
    MenuR[k]->setChecked(2 * static_cast<int>(k + 1) == frames);
  }
  KeepMenuChoices();
}

void SolveForm::MenuP_Click(int index) {
  static constexpr std::array<int, 6> kMillis{1, 1000, 2000, 3000, 4000, 5000};
  PauseMillis = kMillis[static_cast<std::size_t>(index)];
  StepByStep = false;
  MenuStep->setChecked(false);
  for (std::size_t k = 0; k < MenuP.size(); ++k) {
    MenuP[k]->setChecked(static_cast<int>(k) == index);
  }
  KeepMenuChoices();
}

void SolveForm::MenuStep_Click() {
  // Every move waits for the user; the other waits of the playback take no
  // time.
  StepByStep = true;
  PauseMillis = 1;
  for (QAction* entry : MenuP) {
    entry->setChecked(false);
  }
  MenuStep->setChecked(true);
  KeepMenuChoices();
}

void SolveForm::KeepMenuChoices() {
  MenuChoices choices;
  choices.frames = Draw.FramesPerTurn;
  choices.pause = StepByStep ? 6 : 3;
  for (std::size_t k = 0; k < MenuP.size(); ++k) {
    choices.pause = MenuP[k]->isChecked() ? static_cast<int>(k) : choices.pause;
  }
  choices.rotateButton = MenuRotate->isChecked();
  choices.fewestMoves = MenuFewest->isChecked();
  KeepChoices(services_.Settings(), choices);
}

void SolveForm::ApplyKeptChoices() {
  const MenuChoices kept = KeptChoices(services_.Settings());
  MenuR_Click(kept.frames);
  kept.pause == 6 ? MenuStep_Click() : MenuP_Click(kept.pause);
  if (kept.rotateButton != MenuRotate->isChecked()) {
    MenuRotate_Click();
  }
  MenuFewest->setChecked(kept.fewestMoves);
  KeepMenuChoices();
}

std::string SolveForm::CubeAsText() const {
  // While painting the cube holds colour codes; once accepted it holds
  // faces, each drawn in the colour of its centre.
  Buffer codes = vars_.current();
  if (phase_ != Phase::Painting) {
    for (int i = 1; i <= kFacelets; ++i) {
      codes[static_cast<std::size_t>(i)] = ColourCodeOf(vars_, codes[static_cast<std::size_t>(i)]);
    }
  }
  std::string text;
  AppendCubeDigits(text, codes);
  return text;
}

void SolveForm::MenuFewest_Click() {
  MenuFewest->setChecked(!MenuFewest->isChecked());
  KeepMenuChoices();
}

void SolveForm::MenuNotation_Click() {
  // The moves stay in the notation's letters; the markers are words.
  QString text = QString::fromStdString(StandardNotation(SolutionText));
  text.replace(QString::fromUtf8(kTopLayerDone.data(), static_cast<qsizetype>(kTopLayerDone.size())),
               tr("(top layer done)"));
  text.replace(QString::fromUtf8(kMiddleLayerDone.data(), static_cast<qsizetype>(kMiddleLayerDone.size())),
               tr("(middle layer done)"));
  services_.MsgBox(this, text, kOkOnly);
}

void SolveForm::MenuCopyText_Click() {
  QGuiApplication::clipboard()->setText(QString::fromStdString(CubeAsText()));
}

void SolveForm::MenuEnterText_Click() {
  ChangeCube([this] { EnterText(); });
}

void SolveForm::EnterText() {
  QString offered = QGuiApplication::clipboard()->text().trimmed();
  if (offered.size() != kFacelets ||
      !std::all_of(offered.begin(), offered.end(), [](QChar c) { return c.isDigit(); })) {
    offered.clear();
  }
  const QString text =
      services_
          .InputBox(this,
                    tr("The 54 digits of the cube:") + QStringLiteral("\n") +
                        tr("the stickers of facelets 1 to 48, then the six centres,") + QStringLiteral("\n") +
                        tr("each the number of its colour in the Paint Box (1 to 6), or 0 for none."),
                    tr("Enter Cube as Text"), offered)
          .trimmed();
  if (text.isEmpty()) {
    return;  // cancelled
  }
  if (text.size() != kFacelets) {
    services_.MsgBox(this, tr("The text has %1 characters, but a cube is exactly 54 digits.").arg(text.size()),
                     kExclamation);
    return;
  }
  for (qsizetype k = 0; k < text.size(); ++k) {
    if (text[k] < u'0' || text[k] > u'6') {
      services_.MsgBox(this, tr("Character %1, \"%2\", is not a digit from 0 to 6.").arg(k + 1).arg(text[k]),
                       kExclamation);
      return;
    }
  }
  ChangePainting(tr("Enter Cube as Text"), [&] {
    Buffer& cube = vars_.current();
    for (int i = 1; i <= kFacelets; ++i) {
      cube[static_cast<std::size_t>(i)] = static_cast<Int16>(text[i - 1].unicode() - u'0');
    }
  });
}

void SolveForm::MenuQuickFill_Click() {
  ChangeCube([this] {
    // Colour code f on face f: the same numbers as the solved cube's faces.
    ChangePainting(tr("Quick Fill"), [this] { FillSolved(vars_, vars_.CurBuffer); });
  });
}

void SolveForm::MenuJumble_Click() {
  ChangeCube([this] {
    services_.Randomize();
    ChangePainting(tr("Jumble"), [this] { JumbleCube(vars_, [this] { return services_.Rnd(); }); });
    SubmitButton->setFocus();
  });
}

void SolveForm::MenuRotate_Click() {
  const bool on = RotateButton->isHidden();
  RotateButton->setVisible(on);
  MenuRotate->setChecked(on);
  KeepMenuChoices();
}

void SolveForm::RotateButton_Click() {
  ChangeCube([this] { Run([this] { TurnOneSide(); }); });
}

void SolveForm::TurnOneSide() {
  const QString title = tr("Rotate");
  const std::optional<int> face = WholeNumber(services_.InputBox(this, tr("Which side?"), title, QStringLiteral("1")));
  if (!face || *face < 1 || *face > 6) {
    services_.MsgBox(this,
                     tr("Please give the side as a number from 1 to 6.") + QStringLiteral("\n\r\n\r") +
                         tr("1 is the top, 6 the bottom, and 2, 3, 4, 5 the sides round the cube."),
                     kExclamation);
    return;
  }
  const std::optional<int> turns = WholeNumber(services_.InputBox(this, tr("Which way?"), title, QStringLiteral("1")));
  if (!turns || *turns == 0 || *turns < -3 || *turns > 3) {
    services_.MsgBox(this,
                     tr("Please give the number of quarter turns from -3 to 3, but not 0.") +
                         QStringLiteral("\n\r\n\r") +
                         tr("1 turns the side clockwise, -1 anticlockwise, 2 half way round."),
                     kExclamation);
    return;
  }
  ChangePainting(tr("Turn a Side"), [&] { AnimateAndTurn(*face, *turns, 0); });
}

void SolveForm::MenuSolveString_Click() {
  services_.MsgBox(this, QString::fromStdString(SolutionText), kOkOnly);
}

void SolveForm::MenuGran_Click() {
  const std::array<QLineEdit*, 4> edits{ScrH, ScrW, ScrSH, ScrSW};
  // The tick always matches whether the panel is shown.
  const bool visible = !MenuGran->isChecked();
  if (visible) {
    ScrH->setText(General(PC->BoxHeight()));
    ScrW->setText(General(PC->BoxWidth()));
    ScrSH->setText(General(PC->ScaleHeight()));
    ScrSW->setText(General(PC->ScaleWidth()));
  }
  for (std::size_t k = 0; k < 4; ++k) {
    edits[k]->setVisible(visible);
    ScrLabels[k]->setVisible(visible);
  }
  ScrButton->setVisible(visible);
  MenuGran->setChecked(visible);
}

void SolveForm::ScrButton_Click() {
  const std::optional<double> height = LeadingNumber(ScrH->text());
  const std::optional<double> width = LeadingNumber(ScrW->text());
  const std::optional<double> scaleHeight = LeadingNumber(ScrSH->text());
  const std::optional<double> scaleWidth = LeadingNumber(ScrSW->text());
  const auto size = [](const std::optional<double>& v) { return v && *v >= 1 && *v <= kMaxBoxPixels; };
  const auto scale = [](const std::optional<double>& v) { return v && *v >= 1 && *v <= kMaxScale; };
  if (!size(height) || !size(width)) {
    services_.MsgBox(
        this, tr("H and W are the size of the drawing in pixels: please give numbers from 1 to %1.").arg(kMaxBoxPixels),
        kExclamation);
    return;
  }
  if (!scale(scaleHeight) || !scale(scaleWidth)) {
    services_.MsgBox(this,
                     tr("SH and SW are the drawing units across the drawing: please give numbers from 1 to %1.")
                         .arg(General(kMaxScale)),
                     kExclamation);
    return;
  }
  PC->SetBoxSize(static_cast<int>(std::lround(*width)), static_cast<int>(std::lround(*height)));
  PC->SetBoxScale(*scaleWidth, *scaleHeight);
  DrawCube();
}

void SolveForm::MenuTwips_Click() {
  const auto pair = [](int a, int b) { return QStringLiteral("(%1,%2)").arg(a).arg(b); };
  services_.MsgBox(this, tr("Twips: ") + pair(services_.TwipsPerPixelX(), services_.TwipsPerPixelY()), kOkOnly);
  services_.MsgBox(this, tr("Actual: ") + pair(OuterWidthTwips(), OuterHeightTwips()), kOkOnly);
  services_.MsgBox(this, tr("Scale: ") + pair(centralWidget()->width(), centralWidget()->height()), kOkOnly);
}

}  // namespace rotalo::ui
