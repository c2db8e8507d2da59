// A main window opened as after the colour choice, on scripted services.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "model/moves.h"
#include "model/palette.h"
#include "render/qt/qt_canvas.h"
#include "scripted_services.h"
#include "ui/picture_box.h"
#include "ui/solve_form.h"

namespace rotalo::ui::testing {

struct FormFixture {
  ScriptedServices services;
  Vars vars;
  std::unique_ptr<SolveForm> form;

  // The default colours; pause "&None" unless told otherwise.
  explicit FormFixture(bool noPause = true) {
    ChooseColours(vars, {0, 1, 2, 3, 4, 5});
    form = std::make_unique<SolveForm>(services, vars);
    form->Form_Load();
    if (noPause) {
      form->MenuP[0]->trigger();
    }
  }

  // The colour of the picture at drawing point (x, y), 0x00BBGGRR.
  Colour PixelAt(int x, int y) {
    const QRgb rgb = form->PC->surface().Image().pixel(x, y);
    return static_cast<Colour>(qRed(rgb)) | static_cast<Colour>(qGreen(rgb)) << 8 |
           static_cast<Colour>(qBlue(rgb)) << 16;
  }

  Buffer& Cube() { return vars.current(); }
};

}  // namespace rotalo::ui::testing
