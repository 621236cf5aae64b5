// A hand-over file naming the running player's playlist window's list box, a
// list box of the right process but not its receiving list. The playlist
// window is opened through the menu the logo button pops up, which needs the
// shared display's input.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/player_handover/instance_fixture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"

namespace handover {
namespace {

struct TopOfProcess {
  DWORD processId;
  HWND except;
  HWND found;
};

BOOL CALLBACK matchOtherTop(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TopOfProcess*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (owner != search.processId || window == search.except || !IsWindowVisible(window) ||
      std::string(name) == "#32768")
    return TRUE;
  search.found = window;
  return FALSE;
}

// A visible top-level window of the process other than `except` (and its menus).
HWND otherTopWindow(DWORD processId, HWND except) {
  TopOfProcess search{processId, except, nullptr};
  EnumWindows(matchOtherTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class PlaylistListNamed : public support::TempFolderTest {};

TEST_F(PlaylistListNamed, TheLaterStartPlaysItsFileAndThePlaylistGetsNoLine) {
  const std::string folder = temp.file("program");
  CreateDirectoryA(folder.c_str(), nullptr);
  ASSERT_TRUE(support::writeFile(folder + "\\设置.txt", "[设置]\r\n限定运行时间=600000\r\n"));
  const std::string a = temp.file("a.mp3");
  ASSERT_TRUE(support::writeFile(a, ""));
  FirstInstance first(folder, inQuotes(a), a);
  ASSERT_NE(first.main, nullptr);

  // 文件 > 打开 > 显示播放列表(&F): down onto 打开, right into it, then F.
  SetForegroundWindow(first.main);
  support::pressFromOutside(support::PlayerProgram::logoButton(first.main));
  HWND menu = nullptr;
  ASSERT_TRUE(support::waitUntil(
      [&] { return (menu = support::visibleTopWindow(first.program.processId(), "#32768", nullptr)) != nullptr; }));
  for (WPARAM key : {WPARAM(VK_DOWN), WPARAM(VK_RIGHT), WPARAM('F')}) {
    PostMessageA(menu, WM_KEYDOWN, key, 0);
    PostMessageA(menu, WM_KEYUP, key, 0);
    support::pumpMessages(200);
  }
  HWND playlistWindow = nullptr;
  ASSERT_TRUE(support::waitUntil(
      [&] { return (playlistWindow = otherTopWindow(first.program.processId(), first.main)) != nullptr; }, 10000));
  const HWND list = FindWindowExA(playlistWindow, nullptr, "ListBox", nullptr);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(support::waitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 1; }))
      << "the playlist window lists entry 1";

  ASSERT_TRUE(support::writeFile(handOverFilePath(),
                                 std::to_string(first.program.processId()) + "\r\n" +
                                     std::to_string(static_cast<long>(reinterpret_cast<intptr_t>(list)))));
  const std::string b = temp.file("b.mp3");
  ASSERT_TRUE(support::writeFile(b, ""));
  const std::string journal = temp.file("later-journal.txt");
  support::PlayerProgram later(first.program.path());
  ASSERT_TRUE(later.start(inQuotes(b), journal));
  ASSERT_NE(later.mainWindow(15000), nullptr) << "the later start ended";
  EXPECT_TRUE(support::waitUntil(
      [&] {
        const std::vector<std::string> events = journalEvents(journal);
        return std::find(events.begin(), events.end(), "open " + b) != events.end();
      },
      15000));
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1) << "a line the playlist does not hold";
}

}  // namespace
}  // namespace handover
