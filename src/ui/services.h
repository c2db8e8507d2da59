// What the windows ask of the desktop toolkit, behind one interface: message
// and input boxes, the one-shot timer, waiting for events, the beep, random
// numbers, the screen's measurements and colour depth, keeping the screen
// awake, what is kept between runs, the version and
// ending the program. QtServices is the real one; the tests script their own.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

#include "model/cube.h"

class QObject;
class QSettings;
class QWidget;

namespace rotalo::ui {

// Message box styles: icon and buttons, as the program asks for them.
enum MsgBoxStyle : int {
  kOkOnly = 0,
  kStop = 16,
  kExclamation = 48,
  kInformation = 64,
  kYesNoExclamationDefaultNo = 308,  // 4 (Yes, No) + 48 + 256 (No is the default)
};

// The button that closed a message box.
enum MsgBoxAnswer : int {
  kAnswerOk = 1,
  kAnswerYes = 6,
  kAnswerNo = 7,
};

inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 2;
inline constexpr int kVersionRevision = 5;

inline const QString kAppTitle = QStringLiteral("Rotalo");

// A timer that fires once after its interval, then stays off until it is
// switched on again. The window switches it off in its tick handler too.
class OneShotTimer {
 public:
  virtual ~OneShotTimer() = default;
  virtual void SetInterval(int millis) = 0;
  virtual void SetEnabled(bool on) = 0;
  virtual bool Enabled() const = 0;
};

class Services {
 public:
  virtual ~Services() = default;

  // A modal message box titled "Rotalo"; returns the button pressed. Line
  // breaks may be CR LF or LF CR: each pair is one break.
  virtual int MsgBox(QWidget* parent, const QString& text, int style) = 0;
  // A modal input box; returns the typed text, empty when cancelled.
  virtual QString InputBox(QWidget* parent, const QString& prompt, const QString& title, const QString& text) = 0;

  // The timer calls `tick` whenever it fires.
  virtual std::unique_ptr<OneShotTimer> MakeTimer(std::function<void()> tick) = 0;

  // Lets queued events run once, nested in the caller.
  virtual void ProcessEventsOnce() = 0;
  // Lets events run, sleeping between them, until `done` holds. False when
  // the program is ending: the caller then returns without doing more.
  virtual bool WaitUntil(const std::function<bool()>& done) = 0;
  // How long an animation frame stays on screen, in milliseconds.
  virtual int FrameMillis() const = 0;
  // Holds a frame on screen for FrameMillis; the mouse and keys wait.
  virtual void HoldFrame() = 0;

  virtual void Beep() = 0;
  virtual void Randomize() = 0;  // seeds from the clock
  virtual float Rnd() = 0;       // uniform in [0, 1)

  virtual int ScreenWidthTwips() const = 0;
  virtual int ScreenHeightTwips() const = 0;
  virtual int TwipsPerPixelX() const = 0;
  virtual int TwipsPerPixelY() const = 0;
  // Bits per pixel of the screen that `window` is on.
  virtual int ScreenDepth(QWidget* window) const = 0;
  // The top left corner of the screen the windows open on (the one under the
  // mouse pointer), in pixels of the virtual desktop; the screen sizes above
  // are that screen's.
  virtual QPoint ScreenOrigin() const = 0;
  // While on, the desktop's screen saver and power saving leave the screen
  // alone; nothing happens on a desktop that does not offer it.
  virtual void KeepScreenAwake(bool on) = 0;

  // The About box: `text` is rich text.
  virtual void About(QWidget* parent, const QString& title, const QString& text) = 0;

  // The folder for what the program can make again but keeps to start
  // sooner (the fewest-moves tables); "" for none.
  virtual QString CacheFolder() const = 0;

  // What the program keeps between runs.
  virtual QSettings& Settings() = 0;

  // Closes every window at once; every wait returns false from then on, so
  // the handlers still running unwind without doing more.
  virtual void EndProgram() = 0;
  virtual bool Ending() const = 0;
};

// "Version 2.2.5".
QString VersionText();

// A text with the program's line breaks (CR LF or LF CR) as Qt's.
QString WithQtLineBreaks(const QString& text);

}  // namespace rotalo::ui
