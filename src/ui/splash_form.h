// The start-up window: title, a picture of the cube, a welcome line, the
// version, and the way on or out.
#pragma once

#include <QWidget>
#include <functional>

#include "ui/services.h"

class QFrame;
class QLabel;
class QPushButton;

namespace rotalo::ui {

class SplashForm : public QWidget {
  Q_OBJECT

 public:
  explicit SplashForm(Services& services, QWidget* parent = nullptr);

  // Prepares, lays out and shows the window. False when the screen is too
  // narrow: the program has then been ended.
  bool Form_Load();

  // Called by "&Continue" once this window is closed.
  std::function<void()> onContinue;

  QLabel* Label1 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* Picture1 = nullptr;
  QLabel* Picture2 = nullptr;
  QFrame* Frame1 = nullptr;
  QPushButton* SplashContinueButton = nullptr;
  QPushButton* QuitButton = nullptr;

  int OuterWidthTwips() const { return outerWidthTwips_; }
  int OuterHeightTwips() const { return outerHeightTwips_; }

  void SplashContinueButton_Click();
  void QuitButton_Click();

 protected:
  // Closing this window by its frame ends the program.
  void closeEvent(QCloseEvent* event) override;

 private:
  bool movingOn_ = false;  // closed by the program to open the next window
  Services& services_;
  int outerWidthTwips_ = 0;
  int outerHeightTwips_ = 0;
};

}  // namespace rotalo::ui
