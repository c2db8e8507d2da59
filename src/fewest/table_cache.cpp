#include "fewest/table_cache.h"

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace rotalo::fewest {

namespace {

constexpr char kMark[8] = {'R', 'o', 't', 'a', 'l', 'o', 'F', 'M'};
constexpr std::uint32_t kByteOrder = 0x01020304;  // read back otherwise on a machine of the other order

struct Header {
  char mark[8];
  std::uint32_t version;
  std::uint32_t byteOrder;
  std::uint64_t payloadBytes;
  std::uint64_t checksum;
};
static_assert(sizeof(Header) == 32);

// A checksum of 64-bit words in four independent lanes, quick enough to
// check tens of MiB in a few milliseconds.
std::uint64_t Checksum(const std::uint64_t* words, std::size_t count) {
  std::uint64_t lane[4] = {0x243F6A8885A308D3ull, 0x13198A2E03707344ull, 0xA4093822299F31D0ull, 0x082EFA98EC4E6C89ull};
  const auto mix = [](std::uint64_t h, std::uint64_t w) {
    h = (h ^ w) * 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 29);
  };
  std::size_t i = 0;
  for (; i + 4 <= count; i += 4) {
    for (std::size_t k = 0; k < 4; ++k) {
      lane[k] = mix(lane[k], words[i + k]);
    }
  }
  for (; i < count; ++i) {
    lane[0] = mix(lane[0], words[i]);
  }
  std::uint64_t h = count;
  for (const std::uint64_t l : lane) {
    h = mix(h, l);
  }
  return h;
}

// Every array of the tables in the file's order: f(array) for each, then
// fixed(near-goal depths).
template <class T, class F>
void EachArray(T& t, F f) {
  f(t.twistMove);
  f(t.flipMove);
  f(t.sliceSetMove);
  f(t.cornerMove);
  f(t.edge8Move);
  f(t.sliceMove);
  f(t.twistConjugate);
  f(t.flipConjugate);
  f(t.flipMask);
  f(t.sliceConjugate);
  f(t.edgeRepresentativeConjugate);
  f(t.symmetryProduct);
  f(t.inverseSymmetry);
  for (auto* classes : {&t.sliceSetClasses, &t.twistClasses, &t.cornerClasses, &t.edgeClasses}) {
    f(classes->classOf);
    f(classes->representative);
    f(classes->stabilizer);
  }
  f(t.twistSlice.packed());
  f(t.flipSlice.packed());
  f(t.twistFlip.packed());
  f(t.cornerSlice);
  f(t.edgeSlice);
}

// The payload: for each array its length in elements, then its bytes,
// padded to whole words; then the two near-goal tables with their depths.
std::vector<std::uint64_t> Payload(const Tables& t) {
  std::vector<std::uint64_t> words;
  const auto add = [&words](const auto& array) {
    const std::size_t bytes = array.size() * sizeof(array[0]);
    words.push_back(array.size());
    const std::size_t at = words.size();
    words.resize(at + (bytes + 7) / 8, 0);
    std::memcpy(&words[at], array.data(), bytes);
  };
  EachArray(t, add);
  words.push_back(static_cast<std::uint64_t>(t.nearPhase1.depth()));
  add(t.nearPhase1.slots());
  words.push_back(static_cast<std::uint64_t>(t.nearPhase2.depth()));
  add(t.nearPhase2.slots());
  return words;
}

// Reads the payload back; false when it does not hold arrays in the
// layout Payload writes.
class PayloadReader {
 public:
  PayloadReader(const std::uint64_t* words, std::size_t count) : at_(words), end_(words + count) {}

  template <class T>
  bool Read(std::vector<T>& array) {
    std::uint64_t size = 0;
    if (!Word(size) || size > static_cast<std::uint64_t>(end_ - at_) * 8 / sizeof(T)) {
      return false;
    }
    array.resize(static_cast<std::size_t>(size));
    return Bytes(array.data(), array.size() * sizeof(T));
  }
  template <class T, std::size_t N>
  bool Read(std::array<T, N>& array) {
    std::uint64_t size = 0;
    return Word(size) && size == N && Bytes(array.data(), sizeof(array));
  }
  bool Word(std::uint64_t& value) {
    if (at_ == end_) {
      return false;
    }
    value = *at_++;
    return true;
  }
  bool AtEnd() const { return at_ == end_; }

 private:
  bool Bytes(void* to, std::size_t bytes) {
    const std::size_t words = (bytes + 7) / 8;
    if (words > static_cast<std::size_t>(end_ - at_)) {
      return false;
    }
    if (bytes > 0) {
      std::memcpy(to, at_, bytes);
    }
    at_ += words;
    return true;
  }

  const std::uint64_t* at_;
  const std::uint64_t* end_;
};

template <class T>
bool AllBelow(const std::vector<T>& values, std::size_t limit) {
  for (const T v : values) {
    if (static_cast<std::size_t>(v) >= limit) {
      return false;
    }
  }
  return true;
}

bool ClassesFit(const SymmetryClasses& c, std::size_t values) {
  const std::size_t count = c.representative.size();
  return c.classOf.size() == values && count > 0 && c.stabilizer.size() == count &&
         AllBelow(c.representative, values) && AllBelow(c.classOf, count * kSymmetries);
}

// Whether every array has the size and the range of values the search
// relies on to stay within its tables.
bool Consistent(const Tables& t) {
  const auto sized = [](const auto& v, std::size_t rows, std::size_t columns, std::size_t limit) {
    return v.size() == rows * columns && AllBelow(v, limit);
  };
  const std::size_t sets = t.sliceSetClasses.Count();
  const std::size_t twists = t.twistClasses.Count();
  const std::size_t corners = t.cornerClasses.Count();
  const std::size_t edges = t.edgeClasses.Count();
  bool ok = sized(t.twistMove, kTwists, kMoveCount, kTwists) && sized(t.flipMove, kFlips, kMoveCount, kFlips) &&
            sized(t.sliceSetMove, kCombinations, kMoveCount, kCombinations) &&
            sized(t.cornerMove, kPermutations8, kPhase2MoveCount, kPermutations8) &&
            sized(t.edge8Move, kPermutations8, kPhase2MoveCount, kPermutations8) &&
            sized(t.sliceMove, kPermutations4, kPhase2MoveCount, kPermutations4) &&
            sized(t.twistConjugate, kTwists, kSymmetries, kTwists) &&
            sized(t.flipConjugate, kFlips, kSymmetries, kFlips) &&
            sized(t.flipMask, kCombinations, kSymmetries, kFlips) &&
            sized(t.sliceConjugate, kPermutations4, kSymmetries, kPermutations4) &&
            ClassesFit(t.sliceSetClasses, kCombinations) && ClassesFit(t.twistClasses, kTwists) &&
            ClassesFit(t.cornerClasses, kPermutations8) && ClassesFit(t.edgeClasses, kPermutations8) &&
            sized(t.edgeRepresentativeConjugate, edges, kSymmetries, kPermutations8) &&
            t.twistSlice.Bytes() == (sets * kTwists + 1) / 2 && t.flipSlice.Bytes() == (sets * kFlips + 1) / 2 &&
            t.twistFlip.Bytes() == (twists * kFlips + 1) / 2 && t.cornerSlice.size() == corners * kPermutations4 &&
            t.edgeSlice.size() == edges * kPermutations4;
  for (const std::uint8_t s : t.symmetryProduct) {
    ok = ok && s < kSymmetries;
  }
  for (const std::uint8_t s : t.inverseSymmetry) {
    ok = ok && s < kSymmetries;
  }
  return ok;
}

bool ReadFile(const std::filesystem::path& file, std::vector<std::uint64_t>& words, Header& header) {
  std::FILE* in = std::fopen(file.c_str(), "rb");
  if (in == nullptr) {
    return false;
  }
  bool ok = std::fread(&header, sizeof header, 1, in) == 1 && std::memcmp(header.mark, kMark, sizeof kMark) == 0 &&
            header.version == kTablesFileVersion && header.byteOrder == kByteOrder && header.payloadBytes % 8 == 0 &&
            header.payloadBytes <= (std::uint64_t{256} << 20);
  if (ok) {
    words.resize(static_cast<std::size_t>(header.payloadBytes / 8));
    // Exactly the payload: a longer file is no file of ours either.
    ok = std::fread(words.data(), 8, words.size(), in) == words.size() && std::fgetc(in) == EOF;
  }
  std::fclose(in);
  return ok;
}

}  // namespace

std::filesystem::path TablesFile(const std::filesystem::path& folder) {
  return folder / "fewest-moves-tables.bin";
}

bool LoadTables(const std::filesystem::path& file, Tables& t) {
  std::vector<std::uint64_t> words;
  Header header{};
  if (!ReadFile(file, words, header) || Checksum(words.data(), words.size()) != header.checksum) {
    return false;
  }
  Tables read;
  PayloadReader reader(words.data(), words.size());
  bool ok = true;
  EachArray(read, [&](auto& array) { ok = ok && reader.Read(array); });
  std::uint64_t depth1 = 0;
  std::uint64_t depth2 = 0;
  std::vector<std::uint32_t> slots1;
  std::vector<std::uint64_t> slots2;
  ok = ok && reader.Word(depth1) && reader.Read(slots1) && reader.Word(depth2) && reader.Read(slots2) &&
       reader.AtEnd() && read.nearPhase1.Adopt(std::move(slots1), static_cast<int>(depth1 & 15)) &&
       read.nearPhase2.Adopt(std::move(slots2), static_cast<int>(depth2 & 15)) && depth1 < 16 && depth2 < 16 &&
       Consistent(read);
  if (ok) {
    t = std::move(read);
  }
  return ok;
}

bool SaveTables(const std::filesystem::path& file, const Tables& t) {
  const std::vector<std::uint64_t> words = Payload(t);
  Header header{};
  std::memcpy(header.mark, kMark, sizeof kMark);
  header.version = kTablesFileVersion;
  header.byteOrder = kByteOrder;
  header.payloadBytes = words.size() * 8;
  header.checksum = Checksum(words.data(), words.size());

  // A name of its own for each writer, so that two programs starting at
  // once never write into one temporary file.
  std::random_device random;
  std::filesystem::path temporary = file;
  temporary += ".tmp-" + std::to_string(random()) + "-" + std::to_string(random());
  std::FILE* out = std::fopen(temporary.c_str(), "wb");
  if (out == nullptr) {
    return false;
  }
  bool ok = std::fwrite(&header, sizeof header, 1, out) == 1 &&
            std::fwrite(words.data(), 8, words.size(), out) == words.size();
  ok = std::fclose(out) == 0 && ok;
  std::error_code error;
  if (ok) {
    std::filesystem::rename(temporary, file, error);
    ok = !error;
  }
  if (!ok) {
    std::filesystem::remove(temporary, error);
  }
  return ok;
}

Tables LoadOrBuildTables(const std::filesystem::path& folder, TablesFrom& from) {
  const std::filesystem::path file = TablesFile(folder);
  Tables t;
  if (LoadTables(file, t)) {
    from = TablesFrom::Cache;
    return t;
  }
  t = BuildTables();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  from = !error && SaveTables(file, t) ? TablesFrom::Built : TablesFrom::BuiltUnsaved;
  return t;
}

}  // namespace rotalo::fewest
