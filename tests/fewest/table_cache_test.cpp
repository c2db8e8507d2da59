// The tables kept in a cache folder: written once, read back the same, and
// built anew whenever the file there is not a whole one of ours.
#include "fewest/table_cache.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "fewest/fewest.h"
#include "model/moves.h"
#include "support/cubes.h"

namespace rotalo {
namespace {

namespace fs = std::filesystem;
using fewest::TablesFrom;

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Seeded positions solved with the given tables replay to the solved cube.
void ExpectSolves(const fewest::Tables& tables, const std::string& what) {
  std::mt19937 rng(4242);
  FewestOptions options;
  options.nodeBudget = 5000;
  for (int n = 0; n < 50; ++n) {
    const Buffer cube = fewest::ToFacelets(fewest::RandomCubies(rng));
    const FewestSolution solution = SolveFewest(tables, cube, options);
    ASSERT_TRUE(solution.Solved() && solution.count <= 21) << what << " " << n;
    ASSERT_TRUE(IsSolved(testing::Applied(cube, solution.moves))) << what << " " << n;
  }
}

class TableCache : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("rotalo-tables-" + std::to_string(std::random_device{}()));
    fs::remove_all(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(TableCache, IsWrittenOnceAndReadBackByLaterStarts) {
  TablesFrom from = TablesFrom::Cache;
  const fewest::Tables built = fewest::LoadOrBuildTables(folder_ / "nested", from);
  EXPECT_EQ(from, TablesFrom::Built);
  const fs::path file = fewest::TablesFile(folder_ / "nested");
  // Only the file itself: the temporary one it was written as is gone.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "nested"), fs::directory_iterator()), 1);
  const fewest::Tables read = fewest::LoadOrBuildTables(folder_ / "nested", from);
  EXPECT_EQ(from, TablesFrom::Cache);
  EXPECT_EQ(read.Bytes(), built.Bytes());
  ASSERT_TRUE(fewest::SaveTables(folder_ / "again", read));
  EXPECT_EQ(Contents(folder_ / "again"), Contents(file));  // nothing lost on the way
  ExpectSolves(read, "read back");
}

TEST_F(TableCache, ADamagedTruncatedOrForeignFileIsBuiltAnew) {
  TablesFrom from = TablesFrom::Cache;
  fewest::LoadOrBuildTables(folder_, from);
  const fs::path file = fewest::TablesFile(folder_);
  const std::string good = Contents(file);
  ASSERT_GT(good.size(), std::size_t{1} << 20);
  std::string damaged = good;
  damaged[good.size() / 2] = static_cast<char>(damaged[good.size() / 2] ^ 4);
  std::string otherVersion = good;
  otherVersion[8] = static_cast<char>(otherVersion[8] + 1);
  const std::pair<const char*, std::string> files[] = {
      {"damaged", damaged},
      {"truncated", good.substr(0, good.size() - 8)},
      {"header only", good.substr(0, 32)},
      {"longer", good + std::string(8, '\0')},
      {"another version", otherVersion},
      {"foreign", std::string(good.size(), 'x')},
      {"empty", ""},
  };
  for (const auto& [what, bytes] : files) {
    Write(file, bytes);
    fewest::Tables t;
    EXPECT_FALSE(fewest::LoadTables(file, t)) << what;
  }
  // Any of them is replaced by a good file (a build is the slow part).
  Write(file, damaged);
  const fewest::Tables rebuilt = fewest::LoadOrBuildTables(folder_, from);
  EXPECT_EQ(from, TablesFrom::Built);
  EXPECT_TRUE(Contents(file) == good);
  ExpectSolves(rebuilt, "rebuilt");
}

TEST_F(TableCache, AFolderThatCannotBeWrittenOnlyCostsTheBuild) {
  Write(folder_, "a file where the folder would be");
  TablesFrom from = TablesFrom::Cache;
  const fewest::Tables built = fewest::LoadOrBuildTables(folder_ / "rotalo", from);
  EXPECT_EQ(from, TablesFrom::BuiltUnsaved);
  EXPECT_FALSE(fewest::SaveTables(folder_ / "file", built));
  ExpectSolves(built, "unsaved");
}

}  // namespace
}  // namespace rotalo
