#include "checking/entry_check.h"

#include "model/moves.h"

namespace rotalo {

namespace {

constexpr int kColours = 6;

bool IsColourCode(int v) {
  return v >= 0 && v <= kColours;
}

// Checks 1 to 3 on the colour codes of buffer 0.
EntryVerdict CheckColours(const Vars& vars) {
  const Buffer& paint = vars.Facelet[0];
  for (int i = 1; i <= kFacelets; ++i) {
    if (paint[i] == 0 || !IsColourCode(paint[i])) {
      return {EntryFault::Uncoloured, {}};
    }
  }
  std::array<int, 7> centres{};
  for (int f = 1; f <= 6; ++f) {
    ++centres[paint[48 + f]];
  }
  for (int c = 1; c <= kColours; ++c) {
    if (centres[c] != 1) {
      return {EntryFault::Centres, {}};
    }
  }
  std::array<int, 7> count{};
  for (int i = 1; i <= kFacelets; ++i) {
    ++count[paint[i]];
  }
  int wrong = 0;  // the highest colour code with a wrong count
  for (int c = 1; c <= kColours; ++c) {
    if (count[c] != 9) {
      wrong = c;
    }
  }
  if (wrong != 0) {
    return {EntryFault::ColourCount, {vars.ChosenColourName[wrong]}};
  }
  return {};
}

// For colour code k, the face whose centre is painted k.
std::array<Int16, 7> FaceOfColour(const Buffer& paint) {
  std::array<Int16, 7> faceOf{};
  for (int f = 1; f <= 6; ++f) {
    faceOf[paint[48 + f]] = static_cast<Int16>(f);
  }
  return faceOf;
}

// Checks 4 to 6 on the home-face numbers of the current buffer.
EntryVerdict CheckPieces(const Vars& vars) {
  const Buffer& cube = vars.Facelet[1];
  auto name = [&](int v) { return vars.FaceColourName[v]; };

  for (int i = 2; i <= 48; i += 2) {
    const int c = cube[i];
    const int d = cube[Companion(i, 1)];
    bool exists = false;
    for (int j = 8 * (c - 1) + 2; j <= 8 * c; j += 2) {
      exists = exists || HomeFace(Companion(j, 1)) == d;
    }
    if (!exists && i < Companion(i, 1)) {
      return {EntryFault::NoSuchEdge, {name(c), name(d)}};
    }
  }

  for (int i = 1; i <= 47; i += 2) {
    const int c = cube[i];
    const int a = cube[Companion(i, 1)];
    const int b = cube[Companion(i, 2)];
    enum { kNone, kRight, kMirrored } verdict = kNone;
    for (int j = 8 * (c - 1) + 1; j <= 8 * c; j += 2) {
      const int x = HomeFace(Companion(j, 1));
      const int y = HomeFace(Companion(j, 2));
      if (x == a && y == b) {
        verdict = kRight;
      } else if (x == b && y == a) {
        verdict = kMirrored;
      }
    }
    if (verdict != kRight && i < Companion(i, 1) && i < Companion(i, 2)) {
      const EntryFault fault = verdict == kNone ? EntryFault::NoSuchCorner : EntryFault::WrongOrder;
      return {fault, {name(c), name(a), name(b)}};
    }
  }

  for (int k = 1; k <= 48; ++k) {
    if (Locate(vars, k) == -1) {
      if (k % 2 == 0) {
        return {EntryFault::MissingEdge, {name(HomeFace(k)), name(HomeFace(Companion(k, 1)))}};
      }
      return {EntryFault::MissingCorner,
              {name(HomeFace(k)), name(HomeFace(Companion(k, 1))), name(HomeFace(Companion(k, 2)))}};
    }
  }
  return {};
}

}  // namespace

Int16 ColourCodeOf(const Vars& vars, int v) {
  if (IsColourCode(v)) {
    for (int c = 1; c <= kColours; ++c) {
      if (vars.FaceColourValue[v] == vars.ChosenColourValue[c]) {
        return static_cast<Int16>(c);
      }
    }
  }
  return static_cast<Int16>(v);
}

void RestoreColourCodes(Vars& vars) {
  Buffer& cube = vars.current();
  for (int i = 1; i <= kFacelets; ++i) {
    cube[i] = ColourCodeOf(vars, cube[i]);
  }
  for (int c = 1; c <= kColours; ++c) {
    vars.FaceColourName[c] = vars.ChosenColourName[c];
    vars.FaceColourValue[c] = vars.ChosenColourValue[c];
  }
}

EntryVerdict SubmitEntry(Vars& vars) {
  CopyBuffer(vars, vars.CurBuffer, 0);
  vars.EntryCheck = 1;

  EntryVerdict verdict = CheckColours(vars);
  if (verdict.Accepted()) {
    // Convert to home-face numbers: colour code c becomes the face whose
    // centre is painted c.
    const Buffer& paint = vars.Facelet[0];
    const auto faceOf = FaceOfColour(paint);
    for (int f = 1; f <= 6; ++f) {
      const int k = paint[48 + f];
      vars.FaceColourName[f] = vars.ChosenColourName[k];
      vars.FaceColourValue[f] = vars.ChosenColourValue[k];
    }
    for (int i = 1; i <= kFacelets; ++i) {
      vars.Facelet[1][i] = faceOf[paint[i]];
    }
    vars.CurBuffer = 1;
    verdict = CheckPieces(vars);
  }

  if (!verdict.Accepted()) {
    vars.EntryCheck = 0;
    RestoreColourCodes(vars);
    return verdict;
  }
  const auto faceOf = FaceOfColour(vars.Facelet[0]);
  for (int i = 1; i <= kFacelets; ++i) {
    vars.Facelet[0][i] = faceOf[vars.Facelet[0][i]];
  }
  return verdict;
}

std::string EntryMessage(const EntryVerdict& verdict) {
  const auto& c = verdict.colours;
  switch (verdict.fault) {
    case EntryFault::None:
      return {};
    case EntryFault::Uncoloured:
      return "You must colour in ALL of the sides";
    case EntryFault::Centres:
      return "The six centres must be different colours";
    case EntryFault::ColourCount:
      return "There must be nine " + c[0] + " pieces";
    case EntryFault::NoSuchEdge:
      return "There should be no " + c[0] + " and " + c[1] + " piece.";
    case EntryFault::NoSuchCorner:
      return "There should be no " + c[0] + ", " + c[1] + " and " + c[2] + " piece.";
    case EntryFault::WrongOrder:
      return "The colours on the " + c[0] + ", " + c[1] + " and " + c[2] + " piece are in the wrong order.";
    case EntryFault::MissingEdge:
      return "You have no " + c[0] + " and " + c[1] + " piece.";
    case EntryFault::MissingCorner:
      return "You have no " + c[0] + ", " + c[1] + " and " + c[2] + " piece.";
  }
  return {};
}

}  // namespace rotalo
