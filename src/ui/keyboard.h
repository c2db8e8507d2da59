// The keyboard in the program's windows: Return and Enter press the focused
// button as Space does, and the buttons whose captions mark no letter have
// access keys all the same.
#pragma once

#include <QKeySequence>

class QWidget;

namespace rotalo::ui {

inline const QKeySequence kGoKey{Qt::ALT | Qt::Key_G};     // "Go !"
inline const QKeySequence kPauseKey{Qt::ALT | Qt::Key_U};  // "Pause" and "Resume"
inline const QKeySequence kBackKey{Qt::ALT | Qt::Key_B};   // "Back"

// Every button in `window` but the check boxes (push buttons, the Paint
// Box swatches) is pressed by Return and Enter while it has the focus.
void ReturnPressesButtons(QWidget& window);

}  // namespace rotalo::ui
