#include "render_command.h"

#include <QDir>
#include <QString>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "cube_text.h"
#include "model/cube.h"
#include "model/palette.h"
#include "render/cube_drawing.h"
#include "render/qt/qt_canvas.h"
#include "render/repair_picture.h"
#include "render/rotation_animation.h"
#include "render/turn_animation.h"

namespace rotalo::cli {

namespace {

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || text.empty()) {
    return std::nullopt;
  }
  return value;
}

// Saves every frame shown into a folder: frame-001.png, frame-002.png, ...
class FrameSaver final : public FrameHost {
 public:
  FrameSaver(QtCanvas& canvas, QDir dir) : canvas_(canvas), dir_(std::move(dir)) {}
  void ShowFrame() override {
    ++frames_;
    ok_ = ok_ && canvas_.Image().save(dir_.filePath(QString::asprintf("frame-%03d.png", frames_)), "PNG");
  }
  bool Save(const QString& name) { return ok_ = ok_ && canvas_.Image().save(dir_.filePath(name), "PNG"); }
  int frames() const { return frames_; }
  bool ok() const { return ok_; }

 private:
  QtCanvas& canvas_;
  QDir dir_;
  int frames_ = 0;
  bool ok_ = true;
};

}  // namespace

int RenderCommand(std::span<const std::string_view> args, const Io& io) {
  if (args.size() < 2) {
    return Fail(io, "render needs a CUBE and an output file or folder");
  }
  Vars vars;
  FillCornerTable(vars);
  ChooseColours(vars, {0, 1, 2, 3, 4, 5});
  if (auto error = ParseCubeText(args[0], vars.Facelet[0])) {
    return Fail(io, *error);
  }
  const QString target = QString::fromUtf8(args[1].data(), static_cast<qsizetype>(args[1].size()));
  QtCanvas canvas;
  canvas.SetBackground(Background::Plain);
  DrawContext context;

  if (args.size() == 2) {
    DrawCube(canvas, context, vars);
    if (!canvas.Image().save(target, "PNG")) {
      return Fail(io, "could not write " + std::string(args[1]));
    }
    return kExitOk;
  }

  // An animation: its kind with its numbers, and perhaps --frames N.
  std::span<const std::string_view> rest = args.subspan(2);
  std::string_view kind;
  std::vector<int> numbers;
  while (!rest.empty()) {
    const std::string_view option = rest[0];
    std::size_t wanted = 0;
    if (option == "--turn") {
      wanted = 3;
    } else if (option == "--rotate") {
      wanted = 2;
    } else if (option == "--repair") {
      wanted = 4;
    } else if (option == "--frames") {
      wanted = 1;
    } else {
      return Fail(io, "render does not know \"" + std::string(option) + "\"");
    }
    if (rest.size() < wanted + 1) {
      return Fail(io, std::string(option) + " needs " + std::to_string(wanted) + " numbers");
    }
    std::vector<int> values;
    for (std::size_t n = 1; n <= wanted; ++n) {
      const auto value = ParseInt(rest[n]);
      if (!value) {
        return Fail(io, std::string(option) + ": \"" + std::string(rest[n]) + "\" is not a whole number");
      }
      values.push_back(*value);
    }
    if (option == "--frames") {
      if (values[0] < 1 || values[0] > 100) {
        return Fail(io, "--frames must be 1..100");
      }
      context.FramesPerTurn = values[0];
    } else {
      if (!kind.empty()) {
        return Fail(io, "render takes one of --turn, --rotate and --repair");
      }
      kind = option;
      numbers = values;
    }
    rest = rest.subspan(wanted + 1);
  }
  if (kind.empty()) {
    return Fail(io, "render with a folder needs --turn, --rotate or --repair");
  }
  if (kind == "--turn" && (numbers[2] != 0 && numbers[2] != 1)) {
    return Fail(io, "--turn: E must be 0 or 1");
  }
  if (kind == "--turn" && (numbers[1] < -1000 || numbers[1] > 1000)) {
    return Fail(io, "--turn: Q must be a small number of quarter turns");
  }
  if (kind == "--rotate" && ((numbers[0] != 1 && numbers[0] != 4 && numbers[0] != 5) ||
                             (numbers[1] != 1 && numbers[1] != -1 && numbers[1] != 3))) {
    return Fail(io, "--rotate: AXIS must be 1, 4 or 5 and Q 1, -1 or 3");
  }
  if (kind == "--repair" && numbers[0] != -1 && numbers[0] != 1 && numbers[0] != 2) {
    return Fail(io, "--repair: A must be -1, 1 or 2");
  }

  QDir dir(target);
  if (!dir.exists() && !QDir().mkpath(target)) {
    return Fail(io, "could not make the folder " + std::string(args[1]));
  }
  FrameSaver saver(canvas, dir);
  if (kind == "--turn") {
    int q = numbers[1];
    context.TurnBusy = 1;
    AnimateTurn(canvas, context, vars, saver, numbers[0], q, numbers[2]);
  } else if (kind == "--rotate") {
    AnimateRotation(canvas, context, vars, saver, numbers[0], numbers[1]);
    saver.Save("final.png");
  } else {
    DrawRepairPicture(canvas, context, vars, saver, numbers[0], numbers[1], numbers[2], numbers[3]);
  }
  if (!saver.ok()) {
    return Fail(io, "could not write the frames into " + std::string(args[1]));
  }
  io.writeOut(std::to_string(saver.frames()) + " frames written\n");
  return kExitOk;
}

}  // namespace rotalo::cli
