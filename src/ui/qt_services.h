// The toolkit services on Qt Widgets.
#pragma once

#include <QSettings>
#include <memory>
#include <random>

#include "ui/services.h"

namespace rotalo::ui {

class QtServices final : public Services {
 public:
  QtServices();

  int MsgBox(QWidget* parent, const QString& text, int style) override;
  QString InputBox(QWidget* parent, const QString& prompt, const QString& title, const QString& text) override;
  std::unique_ptr<OneShotTimer> MakeTimer(std::function<void()> tick) override;
  void ProcessEventsOnce() override;
  bool WaitUntil(const std::function<bool()>& done) override;
  int FrameMillis() const override { return frameMillis_; }
  void HoldFrame() override;
  void Beep() override;
  void Randomize() override;
  float Rnd() override;
  int ScreenWidthTwips() const override;
  int ScreenHeightTwips() const override;
  int TwipsPerPixelX() const override;
  int TwipsPerPixelY() const override;
  int ScreenDepth(QWidget* window) const override;
  QPoint ScreenOrigin() const override;
  QString CacheFolder() const override;
  void About(QWidget* parent, const QString& title, const QString& text) override;
  void KeepScreenAwake(bool on) override;
  QSettings& Settings() override;
  void EndProgram() override;
  bool Ending() const override { return ending_; }

  // A quarter turn of the default six frames takes about a quarter second.
  static constexpr int kDefaultFrameMillis = 42;
  void SetFrameMillis(int millis) { frameMillis_ = millis; }

 private:
  bool ending_ = false;
  std::unique_ptr<QSettings> settings_;  // made when first asked for
  uint screenSaverCookie_ = 0;           // while the screen is kept awake
  int frameMillis_ = kDefaultFrameMillis;
  std::mt19937 random_;
  std::uniform_real_distribution<float> uniform_{0.0F, 1.0F};
};

}  // namespace rotalo::ui
