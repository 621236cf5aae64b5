// Folder listings over trees built in the test's own folder. The directory
// search decides the order of a folder's entries, so the expected listings are
// built from the order a plain search of each folder gives.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "player/sources/sources.h"
#include "tests/support/directory_link.h"
#include "tests/support/temp_folder.h"

namespace {

using fw::Text;

class FolderListing : public support::TempFolderTest {
 protected:
  // A file (with its folders) below the test's folder; its full path.
  Text file(const Text& relative, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    // Its folders first; a double-byte character's second byte may be a "\".
    for (std::size_t at = 0; at < relative.size(); ++at) {
      if (static_cast<unsigned char>(relative[at]) >= 0x80) {
        ++at;
      } else if (relative[at] == '\\') {
        CreateDirectoryA((temp.path() + "\\" + relative.substr(0, at)).c_str(), nullptr);
      }
    }
    const Text path = temp.path() + "\\" + relative;
    EXPECT_TRUE(support::writeFile(path, "x")) << path;
    if (attributes != FILE_ATTRIBUTE_NORMAL) SetFileAttributesA(path.c_str(), attributes);
    marked.push_back(path);
    return path;
  }
  Text folder(const Text& relative) {
    const Text path = temp.path() + "\\" + relative;
    EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
    return path;
  }
  // One line per entry of the folder, in the order a plain search gives them.
  static Text searchLines(const Text& folder) {
    Text lines;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return lines;
    do {
      const Text name = found.cFileName;
      if (name != "." && name != "..") lines += folder + "\\" + name + "\r\n";
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return lines;
  }
  // The entries of the folder that are folders, in search order.
  static std::vector<Text> subfolderNames(const Text& folder) {
    std::vector<Text> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const Text name = found.cFileName;
      if (name != "." && name != ".." && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        names.push_back(name);
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }
  void TearDown() override {
    // Hidden and system files must be plain again to be removed.
    for (const Text& path : marked) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  std::vector<Text> marked;
};

TEST_F(FolderListing, AFoldersOwnEntriesComeFirstThenTheListingBelowEachSubfolder) {
  // The four-line example: a.mp3, Sub and b.mp3 in F, c.mp3 in Sub. The
  // entries . and .. that the search returns never appear.
  const Text f = folder("F");
  file("F\\a.mp3");
  file("F\\Sub\\c.mp3");
  file("F\\b.mp3");
  const Text listing = player::listFolderTree({f});
  EXPECT_EQ(listing, searchLines(f) + f + "\\Sub\\c.mp3\r\n");
  EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 4);
  EXPECT_EQ(player::listFolder(f + "\\"), searchLines(f)) << "one folder's direct entries only";
}

TEST_F(FolderListing, SubfoldersAreDescendedWholeOneAfterAnotherInSearchOrder) {
  const Text f = folder("F");
  file("F\\top.mp3");
  file("F\\S1\\x.mp3");
  file("F\\S1\\T\\y.mp3");
  file("F\\S1\\T\\U\\deep.mp3");
  file("F\\S2\\z.mp3");
  folder("F\\Empty");
  Text below;
  for (const Text& name : subfolderNames(f)) {
    if (name == "S1") {
      below += searchLines(f + "\\S1") + searchLines(f + "\\S1\\T") + f + "\\S1\\T\\U\\deep.mp3\r\n";
    } else if (name == "S2") {
      below += f + "\\S2\\z.mp3\r\n";
    }
  }
  EXPECT_EQ(player::listFolderTree({f}), searchLines(f) + below);
}

TEST_F(FolderListing, SeveralFoldersInTheirOrderAndWhatCannotBeSearchedGivesNothing) {
  const Text one = folder("One"), two = folder("Two");
  file("One\\1.mp3");
  const Text lone = file("Two\\2.mp3");
  const Text listing = player::listFolderTree({temp.file("missing"), lone, two, folder("Nothing"), one});
  EXPECT_EQ(listing, lone + "\r\n" + one + "\\1.mp3\r\n");
  EXPECT_EQ(player::listFolderTree({}), "");
  EXPECT_EQ(player::listFolder(temp.file("missing\\")), "");
}

TEST_F(FolderListing, AFolderThatEndsInABackslashGetsNoSecondOne) {
  // As a drive root comes back from the folder dialog.
  const Text f = folder("F");
  file("F\\a.mp3");
  file("F\\Sub\\c.mp3");
  const Text listing = player::listFolderTree({f + "\\"});
  EXPECT_EQ(listing, player::listFolderTree({f}));
  EXPECT_EQ(listing.find("\\\\"), Text::npos) << listing;
}

TEST_F(FolderListing, HiddenAndSystemFilesAreListedLikeAnyOther) {
  const Text f = folder("F");
  const Text hidden = file("F\\Sub\\hidden.mp3", FILE_ATTRIBUTE_HIDDEN);
  const Text system = file("F\\Sub\\system.mp3", FILE_ATTRIBUTE_SYSTEM);
  const Text readOnly = file("F\\Sub\\readonly.mp3", FILE_ATTRIBUTE_READONLY);
  const Text listing = player::listFolderTree({f});
  for (const Text& path : {hidden, system, readOnly}) {
    EXPECT_NE(listing.find(path + "\r\n"), Text::npos) << path;
  }
}

TEST_F(FolderListing, FolderNamesEndingInTheByteOfABackslashAreSearchedAsFolders) {
  // 錦 is the GBK bytes E5 5C: a folder named with it ends in the byte of a
  // backslash that is not one, and still needs its separator.
  const Text named = folder("錦");
  const Text inNamed = file("錦\\a.mp3");
  const Text f = folder("F");
  const Text inSub = file("F\\织錦\\b.mp3");
  EXPECT_EQ(player::listFolderTree({named}), inNamed + "\r\n");
  EXPECT_EQ(player::listFolderTree({f}), f + "\\织錦\r\n" + inSub + "\r\n");
}

// Links among the folders, as directory links and junctions put them there:
// a folder reached again through a link is not searched again, so a link back
// up the tree ends the descent, and a link elsewhere is searched like a folder.
TEST_F(FolderListing, EachFolderIsSearchedOnceHoweverManyLinksLeadToIt) {
  const Text f = folder("F");
  struct Link {
    const char* at;       // below F
    const char* target;   // as the link holds it
  };
  const struct {
    const char* what;
    std::vector<const char*> files;   // below F, with their folders
    std::vector<Link> links;
    std::vector<const char*> searched;   // the folders whose entries the listing holds, in order
  } cases[] = {
      {"two links to the folder itself", {"a.mp3"}, {{"m1", "."}, {"m2", "."}}, {""}},
      {"a link from a subfolder to its parent", {"Sub\\c.mp3"}, {{"Sub\\up", ".."}}, {"", "\\Sub"}},
      {"a loop over three levels", {"A\\B\\b.mp3"}, {{"A\\B\\top", "../.."}}, {"", "\\A", "\\A\\B"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (const char* name : c.files) file(Text("F\\") + name);
    std::vector<std::unique_ptr<support::DirectoryLink>> links;
    for (const Link& link : c.links) {
      links.push_back(std::make_unique<support::DirectoryLink>(f + "\\" + link.at, link.target));
      ASSERT_TRUE(links.back()->made()) << link.at;
    }
    Text expected;
    for (const char* below : c.searched) expected += searchLines(f + below);

    EXPECT_EQ(player::listFolderTree({f}), expected);

    for (auto& link : links) EXPECT_TRUE(link->remove());
    ASSERT_TRUE(support::removeTree(f));
    folder("F");
  }
}

TEST_F(FolderListing, AFolderMetAgainThroughALinkIsSearchedOnlyWhereTheListingFirstNamesIt) {
  // F holds A and B; A holds a link to B, and a link to Out outside F.
  const Text f = folder("F");
  file("F\\A\\x.mp3");
  file("F\\B\\y.mp3");
  file("Out\\o.mp3");
  support::DirectoryLink toB(f + "\\A\\toB", "../B"), out(f + "\\A\\out", "../../Out");
  ASSERT_TRUE(toB.made() && out.made());
  // B is named among F's own entries before A's entries are searched, so B is
  // searched under its own name only; Out is met first through the link.
  Text below;
  for (const Text& name : subfolderNames(f)) {
    if (name == "A") {
      below += searchLines(f + "\\A");
      for (const Text& inA : subfolderNames(f + "\\A"))
        if (inA == "out") below += f + "\\A\\out\\o.mp3\r\n";
    } else if (name == "B") {
      below += searchLines(f + "\\B");
    }
  }
  EXPECT_EQ(player::listFolderTree({f}), searchLines(f) + below);
}

}  // namespace
