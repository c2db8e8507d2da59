// What the two windows before the main one have in common: a fixed size in
// pixels, centred, and closing by the frame ends the program, while the
// program closes them itself to open the next window.
#pragma once

#include <QWidget>

#include "ui/form_layout.h"
#include "ui/services.h"

namespace rotalo::ui {

// The light yellow of the colour choice and the main window, 0x00BBGGRR.
inline constexpr Colour kLightYellow = 0x00C0FFFF;

class StartForm : public QWidget {
  Q_OBJECT

 public:
  explicit StartForm(Services& services, QWidget* parent = nullptr) : QWidget(parent), services_(services) {}

  int OuterWidthTwips() const { return outerWidthTwips_; }
  int OuterHeightTwips() const { return outerHeightTwips_; }

 protected:
  // Gives the window the scaled size and its centred place.
  void Resize(const FormScaler& scaler);
  // Closes the window for the next one to open.
  void MoveOn();
  void closeEvent(QCloseEvent* event) override;

  Services& services_;

 private:
  bool movingOn_ = false;
  int outerWidthTwips_ = 0;
  int outerHeightTwips_ = 0;
};

}  // namespace rotalo::ui
