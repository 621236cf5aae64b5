#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "framework/files.h"
#include "player/sources/sources.h"

namespace player {
namespace {

// Read-only, hidden, system, folder and archive.
constexpr uint32_t kListedAttributes = 55;

// "." and ".." stand for the folder itself and its parent.
bool isDotsOnly(const fw::Text& name) { return name.find_first_not_of('.') == fw::Text::npos; }

// The folders a listing has met. Only an entry that leads elsewhere (a link,
// a junction or a mount point) can lead back to one of them and make the
// listing go round for ever; until the first such entry, every folder met is
// new, and asking the system what makes it the same folder (a handle opened
// and closed for each) would only slow a large listing down. From that entry
// on, folders are told apart by that identity, those met before included.
class MetFolders {
 public:
  // Whether the listing goes down into `folder`: met now for the first time.
  // A folder whose identity cannot be read is gone into unless its entry
  // leads elsewhere, since every loop passes through an entry that does.
  bool firstMeeting(const fw::Text& folder, uint32_t attributes) {
    const bool leadsElsewhere = (attributes & fw::kReparsePointAttribute) != 0;
    if (!identifying_) {
      if (!leadsElsewhere) {
        metBefore_.push_back(folder);
        return true;
      }
      identifying_ = true;
      for (const fw::Text& path : metBefore_) {
        if (const std::optional<fw::FileIdentity> identity = fw::fileIdentity(path)) met_.insert(*identity);
      }
      fw::TextArray().swap(metBefore_);
    }
    const std::optional<fw::FileIdentity> identity = fw::fileIdentity(folder);
    if (!identity) return !leadsElsewhere;
    return met_.insert(*identity).second;
  }

 private:
  bool identifying_ = false;
  fw::TextArray metBefore_;           // while not identifying
  std::set<fw::FileIdentity> met_;    // once identifying
};

// Appends one line per direct entry of `folder` (which ends with "\") to
// `listing`. With `subfolders`, the entries the search reported as folders go
// there too, each with its "\" already added: only those can hold entries, so
// only those are searched again; and of those, only the folders not met
// before, so that each is searched under the first line naming it.
void appendEntries(const fw::Text& folder, fw::Text& listing, fw::TextArray* subfolders, MetFolders* met) {
  fw::FileSearch search;
  for (fw::Text name = search.first(folder + "*", kListedAttributes); !name.empty();
       name = search.next()) {
    if (isDotsOnly(name)) continue;
    const std::size_t lineStart = listing.size();
    listing += folder;
    listing += name;
    const uint32_t attributes = search.attributes();
    if (subfolders != nullptr && (attributes & fw::kFolderAttribute) != 0) {
      fw::Text subfolder = listing.substr(lineStart) + '\\';
      if (met->firstMeeting(subfolder, attributes)) subfolders->push_back(std::move(subfolder));
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
  appendEntries(folder, listing, nullptr, nullptr);
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
    // Each folder given is a tree of its own, whatever the others hold.
    MetFolders met;
    met.firstMeeting(top, 0);
    levels.emplace_back();
    appendEntries(top, result, &levels.back().subfolders, &met);
    while (!levels.empty()) {
      Level& level = levels.back();
      if (level.next == level.subfolders.size()) {
        levels.pop_back();
        continue;
      }
      const fw::Text folder = std::move(level.subfolders[level.next++]);
      levels.emplace_back();
      appendEntries(folder, result, &levels.back().subfolders, &met);
    }
  }
  return result;
}

}  // namespace player
