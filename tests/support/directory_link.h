#pragma once
// A link to a folder, as a user's directory link or junction is met by the
// programs: the entry reports the folder and reparse-point attributes and
// leads to its target. Wine makes none itself (its CreateSymbolicLinkA does
// nothing and reports success), so the host's own ln makes a symbolic link,
// started as Wine starts a host program. Only the link is removed at the end,
// never what it leads to: a folder holding a link back to itself must lose the
// link before anything lists or removes the folder, or that would go round.
#include <string>

namespace support {

class DirectoryLink {
 public:
  // `link` is a Windows path; `target` is what the link holds, as the host
  // reads it from the link's folder ("." for the folder itself, ".." for its
  // parent, "../B" for a sibling).
  DirectoryLink(const std::string& link, const std::string& target);
  ~DirectoryLink();
  DirectoryLink(const DirectoryLink&) = delete;
  DirectoryLink& operator=(const DirectoryLink&) = delete;

  // True once the link exists and leads to a folder.
  bool made() const { return made_; }
  // Removes the link now; true when it is gone.
  bool remove();

 private:
  std::string link_;
  bool made_ = false;
};

}  // namespace support
