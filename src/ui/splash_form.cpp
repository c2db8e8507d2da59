#include "ui/splash_form.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/keyboard.h"

#include "ui/art/artwork.h"
#include "ui/fonts.h"
#include "ui/form_layout.h"

namespace rotalo::ui {

namespace {

constexpr int kDesignWidth = 8700;  // client area at design time, twips
constexpr int kDesignHeight = 5640;
constexpr QRgb kGrey = 0xFFC0C0C0;

constexpr TwipsRect kFrame1{150, 60, 8385, 5475};
// Inside the frame:
constexpr TwipsRect kPicture1{2280, 240, 3576, 1260};
constexpr TwipsRect kPicture2{240, 1680, 2400, 2400};
constexpr TwipsRect kLabel1{3840, 1680, 3972, 972};
constexpr TwipsRect kContinue{3960, 3840, 1812, 375};
constexpr TwipsRect kQuit{6120, 3840, 1812, 375};
constexpr TwipsRect kVersion{360, 4680, 4092, 288};
constexpr TwipsRect kLabel4{5760, 5040, 2172, 372};

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

SplashForm::SplashForm(Services& services, QWidget* parent) : StartForm(services, parent) {
  setWindowTitle(kAppTitle);
  setWindowIcon(ProgramIcon());
  setAutoFillBackground(true);
  QPalette grey = palette();
  grey.setColor(QPalette::Window, QColor(kGrey));
  setPalette(grey);

  Frame1 = new QFrame(this);
  Frame1->setFrameShape(QFrame::Box);
  Frame1->setFrameShadow(QFrame::Sunken);
  Picture1 = new QLabel(Frame1);
  Picture2 = new QLabel(Frame1);
  Picture1->setAccessibleName(tr("Rotalo"));
  Picture2->setAccessibleName(tr("A solved cube"));
  Label1 = new QLabel(Frame1);
  Label1->setFont(DesignFont("MS Sans Serif", 9.6, true));
  Label1->setWordWrap(true);
  lblVersion = new QLabel(tr("Version"), Frame1);
  lblVersion->setFont(DesignFont("Arial", 12, true));
  Label4 = new QLabel(tr("September 1998"), Frame1);
  Label4->setFont(DesignFont("Arial", 12, true));
  SplashContinueButton = new QPushButton(tr("&Continue"), Frame1);
  QuitButton = new QPushButton(tr("&Quit"), Frame1);
  setTabOrder(SplashContinueButton, QuitButton);

  connect(SplashContinueButton, &QPushButton::clicked, this, [this] { SplashContinueButton_Click(); });
  connect(QuitButton, &QPushButton::clicked, this, [this] { QuitButton_Click(); });
  ReturnPressesButtons(*this);
}

bool SplashForm::Form_Load() {
  lblVersion->setText(VersionText());
  Label1->setText(tr("Welcome to Rotalo!"));

  const double screenPixels =
      static_cast<float>(static_cast<double>(services_.ScreenWidthTwips()) / services_.TwipsPerPixelX());
  if (screenPixels < 800) {
    services_.MsgBox(nullptr,
                     tr("You must have a screen size of at least 800 x 600 to run Rotalo") + kCrLf + kCrLf +
                         tr("To change your screen size, use the display settings of your desktop."),
                     kExclamation);
    services_.EndProgram();
    return false;
  }

  const FormScaler scaler(services_, kDesignWidth, kDesignHeight, 730, 470, 72, 360);
  Resize(scaler);

  const QFont labelFont = Label1->font();
  scaler.Place(*Label1, kLabel1, labelFont.pointSizeF());
  scaler.Place(*Label4, kLabel4, Label4->font().pointSizeF());
  scaler.Place(*SplashContinueButton, kContinue);
  scaler.Place(*QuitButton, kQuit);
  scaler.Place(*lblVersion, kVersion, lblVersion->font().pointSizeF());
  scaler.Place(*Frame1, kFrame1);
  // The pictures keep their own size; only their place is scaled.
  const qreal ratio = devicePixelRatioF();
  const QImage title = TitlePicture(ratio);
  const QImage cube = SolvedCubePicture(ratio);
  Picture1->setPixmap(QPixmap::fromImage(title));
  Picture2->setPixmap(QPixmap::fromImage(cube));
  const QRect p1 = scaler.Scaled(kPicture1);
  const QRect p2 = scaler.Scaled(kPicture2);
  Picture1->setGeometry(p1.x(), p1.y(), 298, 105);
  Picture2->setGeometry(p2.x(), p2.y(), 200, 200);

  show();
  services_.ProcessEventsOnce();
  SplashContinueButton->setFocus();
  return !services_.Ending();
}

void SplashForm::SplashContinueButton_Click() {
  MoveOn();
  if (onContinue) {
    onContinue();
  }
}

void SplashForm::QuitButton_Click() {
  services_.EndProgram();
}

}  // namespace rotalo::ui
