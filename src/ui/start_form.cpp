#include "ui/start_form.h"

#include <QCloseEvent>

namespace rotalo::ui {

void StartForm::Resize(const FormScaler& scaler) {
  outerWidthTwips_ = scaler.OuterWidthTwips();
  outerHeightTwips_ = scaler.OuterHeightTwips();
  setFixedSize(scaler.ClientPixels());
  move(scaler.PositionPixels());
}

void StartForm::MoveOn() {
  movingOn_ = true;
  close();
}

void StartForm::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!movingOn_) {
    services_.EndProgram();
  }
}

}  // namespace rotalo::ui
