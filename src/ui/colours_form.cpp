#include "ui/colours_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "model/palette.h"
#include "render/qt/qt_canvas.h"
#include "ui/art/artwork.h"
#include "ui/fonts.h"
#include "ui/form_layout.h"
#include "ui/kept_state.h"
#include "ui/keyboard.h"
#include "ui/texts.h"

namespace rotalo::ui {

namespace {

constexpr int kDesignWidth = 6612;
constexpr int kDesignHeight = 4092;

constexpr TwipsRect kLabel1{2400, 360, 3732, 1332};
constexpr TwipsRect kCommand1{4560, 2760, 1572, 375};
constexpr TwipsRect CheckRect(int index) {
  return {240, 240 + 360 * (index - 1), 1815, 375};
}

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

ColoursForm::ColoursForm(Services& services, Vars& vars, QWidget* parent) : StartForm(services, parent), vars_(vars) {
  setWindowTitle(kAppTitle);
  setWindowIcon(ProgramIcon());
  setFont(DesignFont("MS Sans Serif", 7.8, true));
  setAutoFillBackground(true);
  QPalette yellow = palette();
  yellow.setColor(QPalette::Window, QtCanvas::ToQColor(kLightYellow));
  setPalette(yellow);

  Command1 = new QPushButton(tr("&Next -->"), this);
  for (int i = 1; i <= 10; ++i) {
    const PaletteColour& colour = kPalette[static_cast<std::size_t>(i - 1)];
    auto* box = new QCheckBox(Texts::Colour(colour.name), this);
    // The box shows its colour behind the caption, in a text colour that
    // reads on it.
    box->setStyleSheet(QStringLiteral("QCheckBox { background-color: %1; color: %2; padding-left: 2px; }")
                           .arg(QtCanvas::ToQColor(colour.value).name(), colour.lightText ? "white" : "black"));
    box->setChecked(colour.tickedAtStart);
    connect(box, &QCheckBox::toggled, this, [this, i] { Check1_Click(i); });
    Check1[static_cast<std::size_t>(i)] = box;
  }
  Label1 = new QLabel(this);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  for (int i = 1; i < 10; ++i) {
    setTabOrder(Check1[static_cast<std::size_t>(i)], Check1[static_cast<std::size_t>(i + 1)]);
  }
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  ReturnPressesButtons(*this);
}

bool ColoursForm::Form_Load() {
  Label1->setText(WithQtLineBreaks(tr("Your cube has 6 different colours on it.") + kCrLf + kCrLf +
                                   tr("Select these six colours, and then click on Next")));
  // The colours chosen in the last run, if any.
  if (const std::optional<std::array<int, 6>> kept = KeptColours(services_.Settings())) {
    for (int i = 1; i <= 10; ++i) {
      Check1[static_cast<std::size_t>(i)]->setChecked(std::find(kept->begin(), kept->end(), i) != kept->end());
    }
  }
  vars_.TickedCount = 6;
  Command1->setEnabled(true);

  const FormScaler scaler(services_, kDesignWidth, kDesignHeight, 550, 340, 72, 360);
  Resize(scaler);
  scaler.Place(*Label1, kLabel1, font().pointSizeF());
  scaler.Place(*Command1, kCommand1);
  for (int i = 1; i <= 10; ++i) {
    scaler.Place(*Check1[static_cast<std::size_t>(i)], CheckRect(i));
  }

  show();
  services_.ProcessEventsOnce();
  Command1->setFocus();

  // Fewer than 24 bits a pixel cannot show the colours of the cube exactly.
  if (services_.ScreenDepth(this) < 24) {
    const int answer = services_.MsgBox(this,
                                        tr("Warning: You appear to be running in low colour mode.") + kCrLf + kCrLf +
                                            tr("You should increase the number of colours displayed in the display "
                                               "settings of your desktop.") +
                                            kCrLf + kCrLf + tr("Proceed with Rotalo anyway?"),
                                        kYesNoExclamationDefaultNo);
    if (answer == kAnswerNo) {
      services_.EndProgram();
      return false;
    }
  }
  FormReady = 1;
  return !services_.Ending();
}

void ColoursForm::Check1_Click(int index) {
  vars_.TickedCount =
      static_cast<Int16>(vars_.TickedCount + (Check1[static_cast<std::size_t>(index)]->isChecked() ? 1 : -1));
  Command1->setEnabled(vars_.TickedCount == 6);
}

void ColoursForm::Command1_Click() {
  if (FormReady != 1) {
    return;
  }
  int n = 0;
  for (int i = 1; i <= 10 && n < 6; ++i) {
    if (Check1[static_cast<std::size_t>(i)]->isChecked()) {
      ++n;
      const PaletteColour& colour = kPalette[static_cast<std::size_t>(i - 1)];
      vars_.ChosenColourName[static_cast<std::size_t>(n)] = std::string(colour.name);
      vars_.ChosenColourValue[static_cast<std::size_t>(n)] = colour.value;
    }
  }
  vars_.FaceColourName[0] = "Unknown";
  vars_.FaceColourValue[0] = kUncolouredValue;
  KeepColours(services_.Settings(), vars_);
  MoveOn();
  if (onNext) {
    onNext();
  }
}

}  // namespace rotalo::ui
