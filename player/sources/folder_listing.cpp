#include <cstdint>
#include <vector>

#include "framework/files.h"
#include "player/sources/sources.h"

namespace player {
namespace {

// Read-only, hidden, system, folder and archive.
constexpr uint32_t kListedAttributes = 55;

// "." and ".." stand for the folder itself and its parent.
bool isDotsOnly(const fw::Text& name) { return name.find_first_not_of('.') == fw::Text::npos; }

// Appends one line per direct entry of `folder` (which ends with "\") to
// `listing`. With `subfolders`, the entries the search reported as folders go
// there too, each with its "\" already added: only those can hold entries, so
// only those are searched again.
void appendEntries(const fw::Text& folder, fw::Text& listing, fw::TextArray* subfolders) {
  fw::FileSearch search;
  for (fw::Text name = search.first(folder + "*", kListedAttributes); !name.empty();
       name = search.next()) {
    if (isDotsOnly(name)) continue;
    const std::size_t lineStart = listing.size();
    listing += folder;
    listing += name;
    if (subfolders != nullptr && (search.attributes() & fw::kFolderAttribute) != 0) {
      subfolders->push_back(listing.substr(lineStart) + '\\');
    }
    listing += "\r\n";
  }
}

// A path ends in a real "\" only when that byte is not the second half of a
// double-byte character.
bool endsWithBackslash(const fw::Text& path) {
  return !path.empty() && fw::lastBackslash(path) == path.size() - 1;
}

}  // namespace

fw::Text listFolder(const fw::Text& folder) {
  fw::Text listing;
  appendEntries(folder, listing, nullptr);
  return listing;
}

fw::Text listFolderTree(const fw::TextArray& folders) {
  fw::Text result;
  // The folders still to descend into, one level per step down the tree: a
  // deep tree costs memory here rather than stack.
  struct Level {
    fw::TextArray subfolders;
    std::size_t next = 0;
  };
  std::vector<Level> levels;
  for (const fw::Text& element : folders) {
    fw::Text top = element;
    if (!endsWithBackslash(top)) top += '\\';
    levels.emplace_back();
    appendEntries(top, result, &levels.back().subfolders);
    while (!levels.empty()) {
      Level& level = levels.back();
      if (level.next == level.subfolders.size()) {
        levels.pop_back();
        continue;
      }
      const fw::Text folder = std::move(level.subfolders[level.next++]);
      levels.emplace_back();
      appendEntries(folder, result, &levels.back().subfolders);
    }
  }
  return result;
}

}  // namespace player
