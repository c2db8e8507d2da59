#include "ui/qt_services.h"

#include <QApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QEventLoop>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cmath>

namespace rotalo::ui {

QString VersionText() {
  return QCoreApplication::translate("rotalo::ui::Texts", "Version %1.%2.%3")
      .arg(kVersionMajor)
      .arg(kVersionMinor)
      .arg(kVersionRevision);
}

QString WithQtLineBreaks(const QString& text) {
  QString out = text;
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  out.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

namespace {

class QtTimer final : public OneShotTimer {
 public:
  explicit QtTimer(std::function<void()> tick) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [tick = std::move(tick)] { tick(); });
  }
  void SetInterval(int millis) override { timer_.setInterval(millis); }
  void SetEnabled(bool on) override {
    if (on) {
      timer_.start();
    } else {
      timer_.stop();
    }
  }
  bool Enabled() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
};

// The screen under the mouse pointer, where the user is looking.
QScreen* Screen() {
  QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
  return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

int TwipsPerPixel(qreal dotsPerInch) {
  if (!(dotsPerInch > 0)) {
    return 15;
  }
  return std::max(1, static_cast<int>(std::lround(1440.0 / dotsPerInch)));
}

}  // namespace

QtServices::QtServices() : random_(std::random_device{}()) {}

int QtServices::MsgBox(QWidget* parent, const QString& text, int style) {
  if (ending_) {
    return kAnswerOk;
  }
  QMessageBox box(parent);
  box.setWindowTitle(kAppTitle);
  box.setText(WithQtLineBreaks(text));
  const int icon = style & 0x70;
  box.setIcon(icon == kStop          ? QMessageBox::Critical
              : icon == kExclamation ? QMessageBox::Warning
              : icon == kInformation ? QMessageBox::Information
                                     : QMessageBox::NoIcon);
  if ((style & 0x7) == 4) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton((style & 0x100) != 0 ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  const int pressed = box.exec();
  if (pressed == QMessageBox::Yes) {
    return kAnswerYes;
  }
  if (pressed == QMessageBox::No) {
    return kAnswerNo;
  }
  return kAnswerOk;
}

QString QtServices::InputBox(QWidget* parent, const QString& prompt, const QString& title, const QString& text) {
  if (ending_) {
    return {};
  }
  bool ok = false;
  QString answer = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, text, &ok);
  return ok ? answer : QString();
}

std::unique_ptr<OneShotTimer> QtServices::MakeTimer(std::function<void()> tick) {
  return std::make_unique<QtTimer>(std::move(tick));
}

void QtServices::ProcessEventsOnce() {
  if (!ending_) {
    QCoreApplication::processEvents();
  }
}

bool QtServices::WaitUntil(const std::function<bool()>& done) {
  // Each pass dispatches what is queued and then sleeps until something new
  // arrives: a click, a key, a timer.
  while (!ending_ && !done()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return !ending_;
}

void QtServices::HoldFrame() {
  if (ending_ || frameMillis_ <= 0) {
    return;
  }
  QEventLoop loop;
  QTimer::singleShot(frameMillis_, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtServices::Beep() {
  QApplication::beep();
}

void QtServices::Randomize() {
  random_.seed(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

float QtServices::Rnd() {
  float r = uniform_(random_);
  return r < 1.0F ? r : 0.0F;
}

int QtServices::TwipsPerPixelX() const {
  return Screen() ? TwipsPerPixel(Screen()->logicalDotsPerInchX()) : 15;
}

int QtServices::TwipsPerPixelY() const {
  return Screen() ? TwipsPerPixel(Screen()->logicalDotsPerInchY()) : 15;
}

int QtServices::ScreenWidthTwips() const {
  return Screen() ? Screen()->size().width() * TwipsPerPixelX() : 0;
}

int QtServices::ScreenHeightTwips() const {
  return Screen() ? Screen()->size().height() * TwipsPerPixelY() : 0;
}

QString QtServices::CacheFolder() const {
  return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

QPoint QtServices::ScreenOrigin() const {
  return Screen() ? Screen()->geometry().topLeft() : QPoint();
}

void QtServices::About(QWidget* parent, const QString& title, const QString& text) {
  if (!ending_) {
    QMessageBox::about(parent, title, text);
  }
}

int QtServices::ScreenDepth(QWidget* window) const {
  QScreen* screen = window != nullptr && window->screen() != nullptr ? window->screen() : Screen();
  return screen != nullptr ? screen->depth() : 24;
}

namespace {

const QString kScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");

}  // namespace

void QtServices::KeepScreenAwake(bool on) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || on == (screenSaverCookie_ != 0)) {
    return;
  }
  if (on) {
    QDBusMessage inhibit =
        QDBusMessage::createMethodCall(kScreenSaverService, kScreenSaverPath, kScreenSaverService, "Inhibit");
    inhibit << kAppTitle << QStringLiteral("Playing a solution");
    const QDBusMessage reply = bus.call(inhibit, QDBus::Block, 1000);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
      screenSaverCookie_ = reply.arguments().front().toUInt();
    }
  } else {
    QDBusMessage release =
        QDBusMessage::createMethodCall(kScreenSaverService, kScreenSaverPath, kScreenSaverService, "UnInhibit");
    release << screenSaverCookie_;
    bus.send(release);
    screenSaverCookie_ = 0;
  }
}

QSettings& QtServices::Settings() {
  if (!settings_) {
    settings_ = std::make_unique<QSettings>();
  }
  return *settings_;
}

void QtServices::EndProgram() {
  if (ending_) {
    return;
  }
  ending_ = true;
  KeepScreenAwake(false);
  if (settings_) {
    settings_->sync();
  }
  // Every wait returns at once from now on, so the handlers still on the
  // stack unwind without doing more, and the main loop ends.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    window->hide();
  }
  QCoreApplication::exit(0);
}

}  // namespace rotalo::ui
