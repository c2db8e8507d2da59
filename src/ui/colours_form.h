// The colour choice: the user ticks the six colours of his cube out of ten.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "model/cube.h"
#include "ui/services.h"
#include "ui/start_form.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace rotalo::ui {

class ColoursForm : public StartForm {
  Q_OBJECT

 public:
  ColoursForm(Services& services, Vars& vars, QWidget* parent = nullptr);

  // Prepares, lays out and shows the window and tests the display. False
  // when the user chose to stop at the low-colour warning.
  bool Form_Load();

  // Called by "&Next -->" once the chosen colours are stored and this
  // window is closed.
  std::function<void()> onNext;

  std::array<QCheckBox*, 11> Check1{};  // 1..10
  QLabel* Label1 = nullptr;
  QPushButton* Command1 = nullptr;
  int FormReady = 0;

  void Check1_Click(int index);
  void Command1_Click();

 private:
  Vars& vars_;
};

}  // namespace rotalo::ui
