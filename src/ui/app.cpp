#include "ui/app.h"

#include "ui/colours_form.h"
#include "ui/solve_form.h"
#include "ui/splash_form.h"

namespace rotalo::ui {

App::App(Services& services) : services_(services) {}

App::~App() = default;

bool App::Start() {
  splash = std::make_unique<SplashForm>(services_);
  splash->onContinue = [this] { ShowColours(); };
  return splash->Form_Load();
}

void App::ShowColours() {
  // The start-up window is unloaded: it goes once its click is handled.
  splash.release()->deleteLater();
  colours = std::make_unique<ColoursForm>(services_, vars);
  colours->onNext = [this] { ShowSolveForm(); };
  colours->Form_Load();
}

void App::ShowSolveForm() {
  colours.release()->deleteLater();
  solve = std::make_unique<SolveForm>(services_, vars);
  solve->Form_Load();
}

}  // namespace rotalo::ui
