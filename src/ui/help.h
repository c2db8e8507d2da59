// The Help menu's windows: a short illustrated handbook, and About.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace rotalo::ui {

// The handbook: how to choose the colours, paint, solve, repair and follow
// along, with pictures drawn by the program's own drawing code. A window of
// its own beside the main window; Escape or "Close" closes it.
class HandbookWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HandbookWindow(QWidget* parent = nullptr);
  QTextBrowser* Browser() const { return browser_; }

  // The handbook's pages as one HTML text, in the user's language; the
  // pictures are the browser's resources "cube:solved" and "cube:jumbled".
  static QString Html();

 private:
  QTextBrowser* browser_;
};

// The About box's text: the version, what the program does, the licence and
// the Qt version it runs on.
QString AboutText();

}  // namespace rotalo::ui
