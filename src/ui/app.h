// The program's windows, one after the other, and the state they share.
#pragma once

#include <memory>

#include "model/cube.h"
#include "ui/services.h"

namespace rotalo::ui {

class SplashForm;
class ColoursForm;
class SolveForm;

class App {
 public:
  explicit App(Services& services);
  ~App();

  // Shows the start-up window. False when the program ended at once.
  bool Start();

  Vars vars;
  // A window is held here while it is loaded.
  std::unique_ptr<SplashForm> splash;
  std::unique_ptr<ColoursForm> colours;
  std::unique_ptr<SolveForm> solve;

 private:
  void ShowColours();
  void ShowSolveForm();

  Services& services_;
};

}  // namespace rotalo::ui
