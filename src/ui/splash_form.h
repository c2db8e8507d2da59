// The start-up window: title, a picture of the cube, a welcome line, the
// version, and the way on or out.
#pragma once

#include <QWidget>
#include <functional>

#include "ui/services.h"
#include "ui/start_form.h"

class QFrame;
class QLabel;
class QPushButton;

namespace rotalo::ui {

class SplashForm : public StartForm {
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

  void SplashContinueButton_Click();
  void QuitButton_Click();
};

}  // namespace rotalo::ui
