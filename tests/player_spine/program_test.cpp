// quorleplayer.exe started as a program of its own, as a user starts it.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine-standin/standin_control.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"

namespace spine {
namespace {

struct Found {
  DWORD processId;
  HWND window;
};

// The visible main window of the process, found by its caption.
HWND mainWindowOf(DWORD processId) {
  Found found{processId, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM param) CALLBACK -> BOOL {
        Found& f = *reinterpret_cast<Found*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        char caption[64] = {};
        GetWindowTextA(hwnd, caption, sizeof caption);
        if (owner == f.processId && IsWindowVisible(hwnd) && std::string(caption) == "Quorle播放器") {
          f.window = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.window;
}

// The close button: the 17 × 16 unit at the top bar's right end.
HWND closeButtonOf(HWND main) {
  struct Search {
    HWND main;
    HWND button;
  } search{main, nullptr};
  EnumChildWindows(
      main,
      [](HWND hwnd, LPARAM param) CALLBACK -> BOOL {
        Search& s = *reinterpret_cast<Search*>(param);
        RECT rect, client;
        GetWindowRect(hwnd, &rect);
        MapWindowPoints(HWND_DESKTOP, s.main, reinterpret_cast<POINT*>(&rect), 2);
        GetClientRect(s.main, &client);
        if (rect.right - rect.left == 17 && rect.bottom - rect.top == 16 && rect.top == 0 &&
            rect.right == client.right) {
          s.button = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.button;
}

// The build's path of the program as Windows names it (the build runs on Linux).
std::string windowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

using Program = support::TempFolderTest;

TEST_F(Program, StartsWithTheSettingsBesideItAndEndsThroughItsCloseButton) {
  // The program keeps its settings in its own folder: run a copy from the test's.
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string player = temp.file("quorleplayer.exe");
  const std::string built = windowsPath(QUORLE_PLAYER_EXE);
  ASSERT_TRUE(CopyFileA(built.c_str(), player.c_str(), FALSE)) << built;
  ASSERT_TRUE(CopyFileA((folderOf(self) + "\\APlayerCaller.dll").c_str(),
                        temp.file("APlayerCaller.dll").c_str(), FALSE));
  ASSERT_TRUE(support::writeFile(temp.file("设置.txt"),
                                 "[设置]\r\n默认音量=35\r\n播放器宽度=900\r\n播放器高度=600\r\n"
                                 "音频输出设备=耳机\r\n"));
  const std::string journal = temp.file("journal.txt");
  SetEnvironmentVariableA("STANDIN_ENGINE_JOURNAL", journal.c_str());

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + player + "\"";
  ASSERT_TRUE(CreateProcessA(player.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             "C:\\", &startup, &process));
  SetEnvironmentVariableA("STANDIN_ENGINE_JOURNAL", nullptr);

  HWND main = nullptr;
  ASSERT_TRUE(support::waitUntil([&] { return (main = mainWindowOf(process.dwProcessId)) != nullptr; }, 15000));
  HWND close = nullptr;
  ASSERT_TRUE(support::waitUntil([&] { return (close = closeButtonOf(main)) != nullptr; }, 5000))
      << "no close button at the right end of the top bar";
  RECT outer;
  GetWindowRect(main, &outer);
  EXPECT_EQ(outer.right - outer.left, 900);
  EXPECT_EQ(outer.bottom - outer.top, 600);

  PostMessageA(close, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
  PostMessageA(close, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
  const DWORD waited = WaitForSingleObject(process.hProcess, 15000);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
  ASSERT_EQ(waited, WAIT_OBJECT_0) << "the player did not end";
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(exitCode, 0u);

  std::vector<std::string> seen;
  for (const standin::JournalLine& line : standin::journalLines(support::readFile(journal))) {
    if (line[0] == "APlayer_Create") {
      seen.push_back("create " + line.at(2) + " " + line.at(3) + " " + line.at(4) + " " + line.at(5));
    } else if (line[0] == "APlayer_SetVolume") {
      seen.push_back("volume " + line.at(2));
    } else if (line[0] == "APlayer_SetConfigA") {
      seen.push_back("config " + line.at(2) + " " + line.at(3));
    } else if (line[0] == "APlayer_Close" || line[0] == "APlayer_Destroy") {
      seen.push_back(line[0]);
    }
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"create 0 40 800 450", "config 11 耳机", "volume 35",
                                            "APlayer_Close"}));
}

}  // namespace
}  // namespace spine
