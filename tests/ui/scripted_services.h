// Toolkit services a test drives: message and input boxes answered from a
// script, a timer on virtual time, waits that run the test's next step, and
// a record of what the program showed.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include "ui/services.h"

namespace rotalo::ui::testing {

class ScriptedServices final : public Services {
 public:
  struct Message {
    QString text;
    int style;
  };
  struct Step {
    std::function<bool()> when;  // empty: as soon as the program waits
    std::function<void()> what;
  };

  // What the program showed and asked.
  std::vector<Message> messages;
  std::vector<QString> prompts;
  std::vector<QString> offered;     // the text each input box started with
  std::vector<int> timerIntervals;  // every time the timer was started
  int beeps = 0;
  bool ended = false;
  bool stuck = false;  // the program waited with nothing left to happen

  // The answers.
  std::deque<int> msgBoxAnswers;  // default: OK, or No for a Yes/No box
  std::deque<QString> inputAnswers;
  std::deque<float> randoms;  // default: 0.5
  std::function<void(const Message&)> onMessage;
  std::function<void()> onWait;  // at every pass of every wait
  int timerFirings = 0;

  int screenWidthPixels = 1024;
  int screenHeightPixels = 768;
  int twipsPerPixelX = 15;
  int twipsPerPixelY = 15;
  Colour pixel = 0x00C0FFFF;

  // Steps run one by one while the program waits, before the timer fires.
  void Then(std::function<void()> what) { steps_.push_back({{}, std::move(what)}); }
  void ThenWhen(std::function<bool()> when, std::function<void()> what) {
    steps_.push_back({std::move(when), std::move(what)});
  }
  bool AllStepsRun() const { return steps_.empty(); }

  int MsgBox(QWidget* /*parent*/, const QString& text, int style) override {
    messages.push_back({WithQtLineBreaks(text), style});
    if (onMessage) {
      onMessage(messages.back());
    }
    if (!msgBoxAnswers.empty()) {
      const int answer = msgBoxAnswers.front();
      msgBoxAnswers.pop_front();
      return answer;
    }
    return (style & 0x7) == 4 ? kAnswerNo : kAnswerOk;
  }

  QString InputBox(QWidget* /*parent*/, const QString& prompt, const QString& /*title*/, const QString& text) override {
    prompts.push_back(prompt);
    offered.push_back(text);
    if (inputAnswers.empty()) {
      return {};
    }
    QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
  }

  std::unique_ptr<OneShotTimer> MakeTimer(std::function<void()> tick) override {
    auto timer = std::make_unique<Timer>(*this, std::move(tick));
    timers_.push_back(timer.get());
    return timer;
  }

  void ProcessEventsOnce() override {
    if (!ended) {
      QCoreApplication::processEvents();
    }
  }

  bool WaitUntil(const std::function<bool()>& done) override {
    while (!ended && !done()) {
      if (onWait) {
        onWait();
      }
      QCoreApplication::processEvents();
      if (done()) {
        break;
      }
      if (RunNextStep()) {
        continue;
      }
      if (Timer* timer = RunningTimer()) {
        timer->enabled = false;
        ++timerFirings;
        timer->tick();
        continue;
      }
      // Nothing scripted is left: only another thread could still post an
      // event. Give it a while, then call the program stuck.
      if (!WaitForPostedEvent(done)) {
        stuck = true;
        EndProgram();
      }
    }
    return !ended;
  }

  int FrameMillis() const override { return 0; }
  void HoldFrame() override {}
  void Beep() override { ++beeps; }
  void Randomize() override {}
  float Rnd() override {
    if (randoms.empty()) {
      return 0.5F;
    }
    const float r = randoms.front();
    randoms.pop_front();
    return r;
  }
  int ScreenWidthTwips() const override { return screenWidthPixels * twipsPerPixelX; }
  int ScreenHeightTwips() const override { return screenHeightPixels * twipsPerPixelY; }
  int TwipsPerPixelX() const override { return twipsPerPixelX; }
  int TwipsPerPixelY() const override { return twipsPerPixelY; }
  Colour PixelColour(QWidget* /*window*/, int /*x*/, int /*y*/) override { return pixel; }

  void EndProgram() override {
    if (ended) {
      return;
    }
    ended = true;
    blocker_ = BlockAllEvents();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      window->hide();
    }
  }
  bool Ending() const override { return ended; }

 private:
  struct Timer final : OneShotTimer {
    Timer(ScriptedServices& owner, std::function<void()> t) : services(owner), tick(std::move(t)) {}
    ~Timer() override { std::erase(services.timers_, this); }
    void SetInterval(int millis) override { interval = millis; }
    void SetEnabled(bool on) override {
      if (on) {
        services.timerIntervals.push_back(interval);
      }
      enabled = on;
    }
    bool Enabled() const override { return enabled; }
    ScriptedServices& services;
    std::function<void()> tick;
    int interval = 0;
    bool enabled = false;
  };

  static bool WaitForPostedEvent(const std::function<bool()>& done) {
    QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
      QThread::msleep(2);
      QCoreApplication::processEvents();
      if (done()) {
        return true;
      }
    }
    return false;
  }

  bool RunNextStep() {
    if (steps_.empty() || (steps_.front().when && !steps_.front().when())) {
      return false;
    }
    const Step step = std::move(steps_.front());
    steps_.pop_front();
    step.what();
    return true;
  }

  Timer* RunningTimer() const {
    for (Timer* timer : timers_) {
      if (timer->enabled) {
        return timer;
      }
    }
    return nullptr;
  }

  std::deque<Step> steps_;
  std::unique_ptr<QObject> blocker_;
  std::vector<Timer*> timers_;
};

}  // namespace rotalo::ui::testing
