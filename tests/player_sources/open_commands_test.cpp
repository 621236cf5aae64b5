// The open commands of the menu 文件 > 打开, chosen as the menu reports a
// choice, with the dialogs and the input box answered by the scripted seam.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/files.h"
#include "tests/player_sources/sources_fixture.h"
#include "tests/support/directory_link.h"

namespace sources {
namespace {

using Call = support::ScriptedSeam::Call;
using fw::Text;

// The files (not folders) directly in a folder, in the order a plain search
// gives them.
std::vector<Text> filesIn(const Text& folder, bool folders = false) {
  std::vector<Text> paths;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return paths;
  do {
    const Text name = found.cFileName;
    const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (name != "." && name != ".." && isFolder == folders) paths.push_back(folder + "\\" + name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return paths;
}

class OpenCommands : public SourcesTest {
 protected:
  Text folder(const Text& relative) {
    const Text path = temp.file(relative);
    EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
    return path;
  }
};

TEST_F(OpenCommands, AChosenFileBecomesTheWholePlaylistAndTheDialogOffersItAgainFromItsFolder) {
  const Text media = folder("媒体");
  const Text clip = makeFile("媒体\\片 1.mp4");
  playing({makeFile("a.mp3"), makeFile("b.mp3"), makeFile("c.mp3")}, 2);
  seam.fileAnswers.push_back(clip);

  choose(window().打开文件);

  ASSERT_EQ(seam.calls.size(), 1u);
  EXPECT_EQ(seam.calls[0].kind, Call::File);
  EXPECT_EQ(seam.calls[0].dialog, fw::FileDialogRequest::Open);
  EXPECT_EQ(seam.calls[0].folder, temp.path()) << "opens in the current directory";
  EXPECT_EQ(seam.calls[0].initial, "");
  EXPECT_EQ(player::playlist, fw::TextArray{clip});
  EXPECT_EQ(player::currentIndex, 1);
  EXPECT_EQ(opened(), std::vector<std::string>{clip});
  EXPECT_EQ(fw::currentDirectory(), media) << "the chosen file's folder is the current directory";

  // The next show starts there, with the chosen file in its name box.
  seam.fileAnswers.push_back(std::nullopt);
  choose(window().打开文件);
  ASSERT_EQ(seam.calls.size(), 2u);
  EXPECT_EQ(seam.calls[1].folder, media);
  EXPECT_EQ(seam.calls[1].initial, clip);
  EXPECT_EQ(player::playlist, fw::TextArray{clip});
}

TEST_F(OpenCommands, CancellingAnyOfTheQuestionsLeavesPlaylistIndexAndPlaybackAlone) {
  const fw::TextArray entries{makeFile("a.mp3"), makeFile("b.mp3")};
  playing(entries, 2);
  const struct {
    const char* what;
    const fw::MenuItem& item;
    std::function<void()> answer;
  } cases[] = {
      {"file dialog cancelled", window().打开文件, [&] { seam.fileAnswers.push_back(std::nullopt); }},
      {"input box cancelled", window().打开网络文件, [&] { seam.inputAnswers.push_back(std::nullopt); }},
      {"input box confirmed empty", window().打开网络文件, [&] { seam.inputAnswers.push_back(""); }},
      {"folder dialog cancelled", window().打开文件夹, [&] { seam.folderAnswers.push_back(""); }},
  };
  for (const auto& c : cases) {
    c.answer();
    choose(c.item);
    settle();
    EXPECT_EQ(player::playlist, entries) << c.what;
    EXPECT_EQ(player::currentIndex, 2) << c.what;
    EXPECT_EQ(playbackCalls(), std::vector<std::string>{}) << c.what;
    EXPECT_EQ(engine().getState(), 5) << c.what;
  }
  EXPECT_EQ(seam.calls.size(), 4u) << "each command asked once";
}

TEST_F(OpenCommands, ATypedAddressPlaysAsTypedAndTheNextCommandGoesOnFromThePlaylist) {
  standin::setConfig("addresses", "*");
  const fw::TextArray entries{makeFile("a.mp3"), makeFile("b.mp3"), makeFile("c.mp3")};
  playing(entries, 1);
  const Text typed = " rtsp://192.0.2.7/直播 1 ";   // kept exactly, blanks and all
  seam.inputAnswers.push_back(typed);

  choose(window().打开网络文件);
  settle();

  ASSERT_EQ(seam.calls.size(), 1u);
  EXPECT_EQ(seam.calls[0].kind, Call::Input);
  EXPECT_EQ(seam.calls[0].text, "请输入视频地址：");
  EXPECT_EQ(seam.calls[0].caption, "打开多媒体文件");
  EXPECT_EQ(seam.calls[0].initial, "");
  EXPECT_EQ(opened(), std::vector<std::string>{typed});
  EXPECT_EQ(player::playlist, entries);
  EXPECT_EQ(player::currentIndex, 1);

  standin::clearJournal();
  choose(window().下一个);
  EXPECT_EQ(opened(), std::vector<std::string>{entries[1]});
  EXPECT_EQ(player::currentIndex, 2);
}

TEST_F(OpenCommands, AChosenFolderGivesEveryFileOfItsTreeAndTheFirstPlays) {
  // Files only in subfolders, a hidden one among them; the folder comes back
  // with a trailing backslash, as a drive root does.
  const Text f = folder("F");
  folder("F\\Sub");
  folder("F\\Other");
  makeFile("F\\Sub\\c.mp3");
  makeFile("F\\Sub\\隐藏.mp3");
  ASSERT_TRUE(SetFileAttributesA(temp.file("F\\Sub\\隐藏.mp3").c_str(), FILE_ATTRIBUTE_HIDDEN));
  makeFile("F\\Other\\d.mkv");
  fw::TextArray expected;
  for (const Text& sub : filesIn(f, true))
    for (const Text& path : filesIn(sub)) expected.push_back(path);
  ASSERT_EQ(expected.size(), 3u);
  playing({makeFile("old.mp3")}, 1);
  seam.folderAnswers.push_back(f + "\\");

  choose(window().打开文件夹);

  ASSERT_EQ(seam.calls.size(), 1u);
  EXPECT_EQ(seam.calls[0].kind, Call::Folder);
  EXPECT_EQ(seam.calls[0].text, "选择文件夹");
  EXPECT_EQ(player::playlist, expected);
  EXPECT_EQ(player::currentIndex, 1);
  EXPECT_EQ(opened(), std::vector<std::string>{expected[0]});
  SetFileAttributesA(temp.file("F\\Sub\\隐藏.mp3").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(OpenCommands, AFoldersOwnFilesComeBeforeThoseOfItsSubfolders) {
  // a.mp3, Sub and b.mp3 in F, c.mp3 in Sub: the listing's four lines give
  // three entries, Sub's line dropping out.
  const Text f = folder("F");
  folder("F\\Sub");
  makeFile("F\\a.mp3");
  makeFile("F\\Sub\\c.mp3");
  makeFile("F\\b.mp3");
  fw::TextArray expected = filesIn(f);
  expected.push_back(f + "\\Sub\\c.mp3");
  ASSERT_EQ(expected.size(), 3u);
  seam.folderAnswers.push_back(f);

  choose(window().打开文件夹);

  EXPECT_EQ(player::playlist, expected);
  EXPECT_EQ(opened(), std::vector<std::string>{expected[0]});
}

TEST_F(OpenCommands, AFolderHoldingLinksToItselfGivesItsFileOnceAndPlaysIt) {
  const Text f = folder("F");
  const Text a = makeFile("F\\a.mp3");
  support::DirectoryLink m1(f + "\\m1", "."), m2(f + "\\m2", ".");
  ASSERT_TRUE(m1.made() && m2.made());
  seam.folderAnswers.push_back(f);

  choose(window().打开文件夹);

  EXPECT_EQ(player::playlist, fw::TextArray{a});
  EXPECT_EQ(player::currentIndex, 1);
  EXPECT_EQ(opened(), std::vector<std::string>{a});
}

TEST_F(OpenCommands, AFolderWithoutFilesEmptiesThePlaylistAndWhatPlaysGoesOn) {
  const Text f = folder("空");
  folder("空\\子目录");
  playing({makeFile("a.mp3"), makeFile("b.mp3")}, 2);
  seam.folderAnswers.push_back(f);

  choose(window().打开文件夹);
  settle();

  EXPECT_TRUE(player::playlist.empty());
  EXPECT_EQ(player::currentIndex, 2);
  EXPECT_EQ(playbackCalls(), std::vector<std::string>{});
  EXPECT_EQ(engine().getState(), 5);
}

}  // namespace
}  // namespace sources
