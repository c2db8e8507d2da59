#include "fewest/table_cache.h"

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <type_traits>

#if defined(__linux__)
#include <sys/mman.h>
#endif

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

// A checksum of a stream of 64-bit words in four independent lanes, quick
// enough to check tens of MiB in a few milliseconds.
class Checksum {
 public:
  // Adds `bytes` bytes as whole words, the last one completed by `tail`
  // (the padding that follows the bytes in the file).
  void Add(const void* data, std::size_t bytes, const std::uint8_t* tail = kZeros) {
    const auto* p = static_cast<const unsigned char*>(data);
    const std::size_t whole = bytes / 8;
    for (std::size_t i = 0; i < whole; ++i) {
      std::uint64_t w;
      std::memcpy(&w, p + 8 * i, 8);
      Word(w);
    }
    if (bytes % 8 != 0) {
      unsigned char last[8];
      std::memcpy(last, p + 8 * whole, bytes % 8);
      std::memcpy(last + bytes % 8, tail, 8 - bytes % 8);
      std::uint64_t w;
      std::memcpy(&w, last, 8);
      Word(w);
    }
  }
  void Word(std::uint64_t w) {
    std::uint64_t& lane = lanes_[count_++ & 3];
    lane = Mix(lane, w);
  }
  std::uint64_t Value() const {
    std::uint64_t h = count_;
    for (const std::uint64_t l : lanes_) {
      h = Mix(h, l);
    }
    return h;
  }
  std::uint64_t Words() const { return count_; }

  static constexpr std::uint8_t kZeros[8] = {};

 private:
  static std::uint64_t Mix(std::uint64_t h, std::uint64_t w) {
    h = (h ^ w) * 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 29);
  }
  std::uint64_t lanes_[4] = {0x243F6A8885A308D3ull, 0x13198A2E03707344ull, 0xA4093822299F31D0ull,
                             0x082EFA98EC4E6C89ull};
  std::uint64_t count_ = 0;
};

// Every array of the tables in the file's order: array(a) for each, then
// table(n) for the near-goal tables and the set beyond them.
template <class T, class Array, class Table>
void EachArray(T& t, Array array, Table table) {
  array(t.twistMove);
  array(t.flipMove);
  array(t.sliceSetMove);
  array(t.cornerMove);
  array(t.edge8Move);
  array(t.sliceMove);
  array(t.twistConjugate);
  array(t.flipConjugate);
  array(t.flipMask);
  array(t.sliceConjugate);
  array(t.edgeRepresentativeConjugate);
  array(t.symmetryProduct);
  array(t.inverseSymmetry);
  for (auto* classes : {&t.sliceSetClasses, &t.twistClasses, &t.cornerClasses, &t.edgeClasses}) {
    array(classes->classOf);
    array(classes->representative);
    array(classes->stabilizer);
  }
  array(t.twistSlice.packed());
  array(t.flipSlice.packed());
  array(t.twistFlip.packed());
  array(t.cornerSlice);
  array(t.edgeSlice);
  array(t.phase1Reach);
  table(t.nearPhase1);
  table(t.nearPhase2);
  table(t.beyondPhase2);
}

// The payload of the file, each array as its length in elements and then
// its bytes padded to whole words, passed to write(data, bytes) piece by
// piece (the padding included); its checksum.
template <class Write>
std::uint64_t WritePayload(const Tables& t, Write write) {
  Checksum sum;
  const auto word = [&](std::uint64_t w) {
    sum.Word(w);
    write(&w, 8);
  };
  const auto bytes = [&](const void* data, std::size_t size) {
    sum.Add(data, size);
    write(data, size);
    write(Checksum::kZeros, (8 - size % 8) % 8);
  };
  EachArray(
      t,
      [&](const auto& array) {
        word(array.size());
        bytes(array.data(), array.size() * sizeof(array[0]));
      },
      [&](const auto& near) {
        if constexpr (!std::is_same_v<decltype(near), const KeySet&>) {
          word(static_cast<std::uint64_t>(near.depth()));
        }
        word(near.slots().size());
        bytes(near.slots().data(), near.slots().size() * sizeof(near.slots()[0]));
      });
  return sum.Value();
}

// Asks for the large arrays to be given memory in large pages, which
// takes far fewer page faults than filling them a small page at a time.
void AdviseLargePages(void* data, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kLarge = std::uintptr_t{1} << 21;
  const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kLarge - 1) & ~(kLarge - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kLarge - 1);
  if (end > begin) {
    madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
  }
#else
  (void)data;
  (void)bytes;
#endif
}

// Reads the payload straight into the arrays, checking its layout as it
// goes and its checksum at the end.
class PayloadReader {
 public:
  PayloadReader(std::FILE* in, std::uint64_t bytes) : in_(in), left_(bytes) {}

  template <class T>
  bool Read(std::vector<T>& array) {
    std::uint64_t size = 0;
    if (!Word(size) || size > left_ / sizeof(T)) {
      return false;
    }
    array.reserve(static_cast<std::size_t>(size));
    AdviseLargePages(array.data(), array.capacity() * sizeof(T));
    array.resize(static_cast<std::size_t>(size));
    return Bytes(array.data(), array.size() * sizeof(T));
  }
  template <class T, std::size_t N>
  bool Read(std::array<T, N>& array) {
    std::uint64_t size = 0;
    return Word(size) && size == N && Bytes(array.data(), sizeof(array));
  }
  template <class Slot>
  bool Read(NearGoal<Slot>& near) {
    std::uint64_t depth = 0;
    std::vector<Slot> slots;
    return Word(depth) && depth < 16 && Read(slots) && near.Adopt(std::move(slots), static_cast<int>(depth));
  }
  bool Read(KeySet& set) {
    std::vector<std::uint32_t> slots;
    return Read(slots) && set.Adopt(std::move(slots));
  }
  bool Word(std::uint64_t& value) { return Bytes(&value, 8); }
  bool Done() const { return left_ == 0; }
  std::uint64_t Sum() const { return sum_.Value(); }

 private:
  bool Bytes(void* to, std::size_t bytes) {
    const std::size_t padding = (8 - bytes % 8) % 8;
    std::uint8_t tail[8] = {};
    if (bytes + padding > left_ || std::fread(to, 1, bytes, in_) != bytes ||
        std::fread(tail, 1, padding, in_) != padding) {
      return false;
    }
    left_ -= bytes + padding;
    sum_.Add(to, bytes, tail);
    return true;
  }

  std::FILE* in_;
  std::uint64_t left_;
  Checksum sum_;
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
  bool ok =
      sized(t.twistMove, kTwists, kMoveCount, kTwists) && sized(t.flipMove, kFlips, kMoveCount, kFlips) &&
      sized(t.sliceSetMove, kCombinations, kMoveCount, kCombinations) &&
      sized(t.cornerMove, kPermutations8, kPhase2MoveCount, kPermutations8) &&
      sized(t.edge8Move, kPermutations8, kPhase2MoveCount, kPermutations8) &&
      sized(t.sliceMove, kPermutations4, kPhase2MoveCount, kPermutations4) &&
      sized(t.twistConjugate, kTwists, kSymmetries, kTwists) && sized(t.flipConjugate, kFlips, kSymmetries, kFlips) &&
      sized(t.flipMask, kCombinations, kSymmetries, kFlips) &&
      sized(t.sliceConjugate, kPermutations4, kSymmetries, kPermutations4) &&
      ClassesFit(t.sliceSetClasses, kCombinations) && ClassesFit(t.twistClasses, kTwists) &&
      ClassesFit(t.cornerClasses, kPermutations8) && ClassesFit(t.edgeClasses, kPermutations8) &&
      sized(t.edgeRepresentativeConjugate, edges, kSymmetries, kPermutations8) &&
      t.twistSlice.Bytes() == (sets * kTwists + 1) / 2 && t.flipSlice.Bytes() == (sets * kFlips + 1) / 2 &&
      t.twistFlip.Bytes() == (twists * kFlips + 1) / 2 && t.cornerSlice.size() == corners * kPermutations4 &&
      t.edgeSlice.size() == edges * kPermutations4 && t.phase1Reach.size() == (sets * kTwists * kFlips + 63) / 64 &&
      t.nearPhase1.depth() >= 0 && t.nearPhase2.depth() >= 0;
  for (const std::uint8_t s : t.symmetryProduct) {
    ok = ok && s < kSymmetries;
  }
  for (const std::uint8_t s : t.inverseSymmetry) {
    ok = ok && s < kSymmetries;
  }
  return ok;
}

}  // namespace

std::filesystem::path TablesFile(const std::filesystem::path& folder) {
  return folder / "fewest-moves-tables.bin";
}

bool LoadTables(const std::filesystem::path& file, Tables& t) {
  std::FILE* in = std::fopen(file.c_str(), "rb");
  if (in == nullptr) {
    return false;
  }
  // The header must tell the file's own length: no array can then claim
  // more memory than the file holds.
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  Header header{};
  bool ok = !error && std::fread(&header, sizeof header, 1, in) == 1 &&
            std::memcmp(header.mark, kMark, sizeof kMark) == 0 && header.version == kTablesFileVersion &&
            header.byteOrder == kByteOrder && header.payloadBytes == size - sizeof header;
  Tables read;
  if (ok) {
    PayloadReader reader(in, header.payloadBytes);
    EachArray(
        read, [&](auto& array) { ok = ok && reader.Read(array); }, [&](auto& near) { ok = ok && reader.Read(near); });
    // Exactly the payload: a longer file is no file of ours either.
    ok = ok && reader.Done() && std::fgetc(in) == EOF && reader.Sum() == header.checksum && Consistent(read);
  }
  std::fclose(in);
  if (ok) {
    t = std::move(read);
  }
  return ok;
}

bool SaveTables(const std::filesystem::path& file, const Tables& t) {
  Header header{};
  std::memcpy(header.mark, kMark, sizeof kMark);
  header.version = kTablesFileVersion;
  header.byteOrder = kByteOrder;
  header.checksum = WritePayload(t, [&header](const void*, std::size_t bytes) { header.payloadBytes += bytes; });

  // A name of its own for each writer, so that two programs starting at
  // once never write into one temporary file.
  std::random_device random;
  std::filesystem::path temporary = file;
  temporary += ".tmp-" + std::to_string(random()) + "-" + std::to_string(random());
  std::FILE* out = std::fopen(temporary.c_str(), "wb");
  if (out == nullptr) {
    return false;
  }
  bool ok = std::fwrite(&header, sizeof header, 1, out) == 1;
  WritePayload(t, [&](const void* data, std::size_t bytes) { ok = ok && std::fwrite(data, 1, bytes, out) == bytes; });
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
