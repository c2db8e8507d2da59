// rotalo_make_cubes COUNT [SEED]: prints COUNT random solvable cubes, one
// 54-digit line each, made by 40 random face turns of the solved cube.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "model/cube.h"
#include "model/moves.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: rotalo_make_cubes COUNT [SEED]\n", stderr);
    return 2;
  }
  const long count = std::strtol(argv[1], nullptr, 10);
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1u;
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> face(1, 6);
  std::uniform_int_distribution<int> turn(1, 3);
  std::string out;
  for (long n = 0; n < count; ++n) {
    rotalo::Vars vars;
    rotalo::FillSolved(vars, 0);
    for (int k = 0; k < 40; ++k) {
      rotalo::TurnFace(vars, face(rng), turn(rng));
    }
    rotalo::AppendCubeDigits(out, vars.current());
    out += '\n';
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
