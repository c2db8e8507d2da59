#include "ui/keyboard.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace rotalo::ui {

namespace {

class ReturnPresses final : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) {
      return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button == nullptr || qobject_cast<QCheckBox*>(button) != nullptr ||
        (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
      return false;
    }
    if (button->isEnabled() && button->isVisible()) {
      button->click();
    }
    return true;
  }
};

}  // namespace

void ReturnPressesButtons(QWidget& window) {
  auto* filter = new ReturnPresses(&window);
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    button->installEventFilter(filter);
  }
}

}  // namespace rotalo::ui
