// Toolkit services on a script, a timer on virtual time, and a record of what was shown.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <deque>
#include <functional>

#include "ui/services.h"

namespace rotalo::ui::testing {

class ScriptedServices : public Services {
 public:
  QStringList messages;
  QList<int> styles;  // of the message boxes
  QStringList prompts;
  QStringList offered;        // the text each input box started with
  QList<int> timerIntervals;  // every time the timer was started
  int timerFirings = 0;
  int beeps = 0;
  bool ended = false;
  bool stuck = false;  // the program waited with nothing left to happen

  std::deque<int> msgBoxAnswers;  // default: OK, or No for a Yes/No box
  std::deque<QString> inputAnswers;
  std::deque<float> randoms;  // default: 0.5
  std::function<void()> onMessage;
  std::function<void()> onWait;  // at every pass of every wait
  // When a wait has nothing left to happen: true when it did something.
  std::function<bool()> onIdle;

  int screenWidthPixels = 1024;
  int screenHeightPixels = 768;
  int twipsPerPixel = 15;
  int depth = 24;           // bits per pixel of the screen
  QPoint screenOrigin;      // where the screen lies on the desktop
  QList<bool> screenAwake;  // every change of keeping the screen awake

  // Runs `what` at the first wait where `when` holds, before the timer fires.
  void When(std::function<bool()> when, std::function<void()> what) {
    steps_.push_back({std::move(when), std::move(what)});
  }
  bool AllStepsRun() const { return steps_.empty(); }

  int MsgBox(QWidget*, const QString& text, int style) override {
    messages << WithQtLineBreaks(text);
    styles << style;
    if (onMessage) onMessage();
    return Pop(msgBoxAnswers, (style & 0x7) == 4 ? int{kAnswerNo} : int{kAnswerOk});
  }

  void About(QWidget*, const QString& title, const QString& text) override { messages << title + ": " + text; }
  QPoint ScreenOrigin() const override { return screenOrigin; }
  QString CacheFolder() const override { return {}; }

  QString InputBox(QWidget*, const QString& prompt, const QString&, const QString& text) override {
    prompts << prompt;
    offered << text;
    return Pop(inputAnswers, QString());
  }

  std::unique_ptr<OneShotTimer> MakeTimer(std::function<void()> tick) override {
    auto timer = std::make_unique<Timer>(*this, std::move(tick));
    timer_ = timer.get();  // the one of the last window opened
    return timer;
  }

  void ProcessEventsOnce() override {
    if (!ended) QCoreApplication::processEvents();
  }

  bool WaitUntil(const std::function<bool()>& done) override {
    while (!ended && !done()) {
      if (onWait) onWait();
      QCoreApplication::processEvents();
      if (done()) break;
      if (!steps_.empty() && steps_.front().when()) {
        const Step step = std::move(steps_.front());
        steps_.pop_front();
        step.what();
      } else if (timer_ && timer_->enabled) {
        timer_->enabled = false;
        ++timerFirings;
        timer_->tick();
      } else if (onIdle && onIdle()) {
        continue;
      } else {  // only another thread could still post an event: give it half a minute
        for (QDeadlineTimer deadline(30000); !deadline.hasExpired() && !done();) {
          QThread::msleep(2);
          QCoreApplication::processEvents();
        }
        if (!done()) {
          stuck = true;
          EndProgram();
        }
      }
    }
    return !ended;
  }

  int FrameMillis() const override { return 0; }
  void HoldFrame() override {}
  void Beep() override { ++beeps; }
  void Randomize() override {}
  float Rnd() override { return Pop(randoms, 0.5F); }
  int ScreenWidthTwips() const override { return screenWidthPixels * twipsPerPixel; }
  int ScreenHeightTwips() const override { return screenHeightPixels * twipsPerPixel; }
  int TwipsPerPixelX() const override { return twipsPerPixel; }
  int TwipsPerPixelY() const override { return twipsPerPixel; }
  int ScreenDepth(QWidget*) const override { return depth; }
  void KeepScreenAwake(bool on) override { screenAwake << on; }
  // A settings file of the test's own: `settingsFile` when given, else a new one.
  QString settingsFile;
  QSettings& Settings() override {
    if (!settings_) settings_ = std::make_unique<QSettings>(SettingsPath(), QSettings::IniFormat);
    return *settings_;
  }

  void EndProgram() override {
    if (ended) return;
    ended = true;
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  }
  bool Ending() const override { return ended; }

 private:
  struct Step {
    std::function<bool()> when;
    std::function<void()> what;
  };
  struct Timer final : OneShotTimer {
    Timer(ScriptedServices& owner, std::function<void()> t) : services(owner), tick(std::move(t)) {}
    ~Timer() override {
      if (services.timer_ == this) services.timer_ = nullptr;
    }
    void SetInterval(int millis) override { interval = millis; }
    void SetEnabled(bool on) override {
      if (on) services.timerIntervals << interval;
      enabled = on;
    }
    bool Enabled() const override { return enabled; }
    ScriptedServices& services;
    std::function<void()> tick;
    int interval = 0;
    bool enabled = false;
  };

  template <typename T>
  static T Pop(std::deque<T>& answers, T otherwise) {
    if (answers.empty()) return otherwise;
    T answer = answers.front();
    answers.pop_front();
    return answer;
  }

  QString SettingsPath() {
    return settingsFile.isEmpty() ? settingsDir_.filePath(QStringLiteral("rotalo.ini")) : settingsFile;
  }

  std::deque<Step> steps_;
  Timer* timer_ = nullptr;
  QTemporaryDir settingsDir_;
  std::unique_ptr<QSettings> settings_;
};

}  // namespace rotalo::ui::testing
