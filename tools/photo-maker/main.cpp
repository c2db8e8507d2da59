// rotalo-photos: writes the six face photos of a cube, shuffled and each
// held any way up, as photo-1.jpg .. photo-6.jpg, and says which is which.
#include <opencv2/imgcodecs.hpp>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/palette.h"
#include "photo_maker.h"

namespace {

constexpr int kSmallest = 64;
constexpr int kLargest = 8000;

int Usage(const char* message) {
  std::fprintf(stderr,
               "rotalo-photos: %s\nUsage: rotalo-photos CUBE OUTDIR [SEED [WIDTH HEIGHT]]\n"
               "  CUBE is 54 digits 1..6 as rotalo-cli takes them, drawn in the default colours.\n",
               message);
  return 2;
}

bool Number(std::string_view text, int& value) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size() && value > 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4 && argc != 6) {
    return Usage("wrong number of arguments");
  }
  const std::string_view text = argv[1];
  rotalo::Buffer cube{};
  if (text.size() != rotalo::kFacelets) {
    return Usage("CUBE needs 54 digits");
  }
  for (int i = 1; i <= rotalo::kFacelets; ++i) {
    const char c = text[i - 1];
    if (c < '1' || c > '6') {
      return Usage("CUBE needs 54 digits 1..6");
    }
    cube[i] = static_cast<rotalo::Int16>(c - '0');
  }
  int seed = 1, width = 640, height = 480;
  if ((argc >= 4 && !Number(argv[3], seed)) || (argc == 6 && (!Number(argv[4], width) || !Number(argv[5], height)))) {
    return Usage("SEED, WIDTH and HEIGHT are positive numbers");
  }
  // A face needs some room, and a photo larger than a camera's makes no
  // better test.
  if (std::min(width, height) < kSmallest || std::max(width, height) > kLargest) {
    return Usage("WIDTH and HEIGHT are from 64 to 8000 pixels");
  }
  std::array<rotalo::Colour, 7> colours{};
  for (int code = 1; code <= 6; ++code) {
    colours[code] = rotalo::kPalette[code - 1].value;
  }
  const std::filesystem::path folder = argv[2];
  std::filesystem::create_directories(folder);
  const auto photos = rotalo::photos::MakePhotos(cube, colours, static_cast<std::uint32_t>(seed), width, height);
  for (std::size_t n = 0; n < photos.size(); ++n) {
    const std::string name = "photo-" + std::to_string(n + 1) + ".jpg";
    if (!cv::imwrite((folder / name).string(), photos[n].image, {cv::IMWRITE_JPEG_QUALITY, 95})) {
      return Usage("could not write the photos");
    }
    std::printf("%s: face %d, %d quarter turns\n", name.c_str(), photos[n].face, photos[n].turn);
  }
  return 0;
}
