// The tables of the fewest-moves search kept in a file of a cache folder, so
// that a later start reads them in milliseconds instead of building them.
//
// The file holds a header (a mark, the version of the layout, the length and
// a checksum of the rest) and then every array of the tables. A file that is
// missing, truncated, damaged, of another version or not one of ours is
// never used: the tables are built again and the file written anew. Writing
// goes to a temporary file beside it, renamed over it when complete, so a
// reader never sees half a file.
#pragma once

#include <filesystem>

#include "fewest/tables.h"

namespace rotalo::fewest {

// Bump whenever the tables or their layout in the file change.
inline constexpr unsigned kTablesFileVersion = 2;

// The tables' file in a cache folder.
std::filesystem::path TablesFile(const std::filesystem::path& folder);

// Reads tables written by SaveTables. False, leaving `t` as it was, when the
// file cannot be read or is not a whole, undamaged file of this version.
bool LoadTables(const std::filesystem::path& file, Tables& t);

// Writes the tables to `file` (its folder must exist). False when it cannot
// be written; no temporary file is left behind.
bool SaveTables(const std::filesystem::path& file, const Tables& t);

enum class TablesFrom {
  Cache,        // read from the folder's file
  Built,        // built, and the file written
  BuiltUnsaved  // built; the folder or the file could not be written
};

// The tables from the cache folder's file, or built and kept there (the
// folder made if needed). A folder that cannot be written only means the
// tables are built each time.
Tables LoadOrBuildTables(const std::filesystem::path& folder, TablesFrom& from);

}  // namespace rotalo::fewest
