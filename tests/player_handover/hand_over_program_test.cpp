// Starts of the shipped player meeting a running one: a later start within the
// limit hands its path over and ends; every other one runs as a player of its
// own. The first instance is watched from outside: its journal and its next
// button.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "framework/window.h"
#include "player/app/hand_over.h"
#include "tests/player_handover/event_barrier.h"
#include "tests/player_handover/instance_fixture.h"
#include "tests/support/child.h"
#include "tests/support/file_links.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"

namespace handover {
namespace {

QUORLE_CHILD(end_at_once) { return 0; }

// A program of the user's that owns a list box and names itself and that list
// box in the hand-over file, as any program could. "plain": a list box of its
// own; "shaped": one built as the player builds its receiving list, in a
// picture box of a window of the same framework. It then answers messages
// until it is ended.
struct ShapedLikeThePlayer : fw::Window {
  ShapedLikeThePlayer() : Window({.width = 200, .height = 80, .visible = false}) {}
  fw::PictureBox bar{this, {.left = 0, .top = 0, .width = 200, .height = 40}};
  fw::ListBox list{this, {.parent = &bar, .left = 100, .top = 3, .width = 28, .height = 32,
                          .visible = false}};
};

QUORLE_CHILD(name_own_list_box) {
  HWND list = nullptr;
  if (arguments.at(0) == "plain") {
    list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  } else {
    fw::loadWindow<ShapedLikeThePlayer>();
    if (ShapedLikeThePlayer* window = fw::openWindow<ShapedLikeThePlayer>()) list = window->list.handle();
  }
  if (list == nullptr) return 2;
  if (!support::writeFile(handOverFilePath(),
                          std::to_string(GetCurrentProcessId()) + "\r\n" +
                              std::to_string(static_cast<long>(reinterpret_cast<intptr_t>(list))))) {
    return 3;
  }
  support::pumpMessages(30000);
  return 0;
}

// prefix, n, suffix (joined without the temporaries GCC 12 warns about).
std::string numbered(const char* prefix, int n, const char* suffix) {
  std::string text = prefix;
  text += std::to_string(n);
  text += suffix;
  return text;
}

const std::string kMissingHint = " 不存在或者无权访问！";
const std::string kLastHint = " 已经是最后一个文件了！";

class HandOver : public support::TempFolderTest {
 protected:
  // A folder for the copy of the program, with its settings: a limit that
  // covers every start of a test.
  std::string programFolder(const std::string& limit = "600000") {
    const std::string folder = temp.file("program");
    CreateDirectoryA(folder.c_str(), nullptr);
    EXPECT_TRUE(support::writeFile(folder + "\\设置.txt", "[设置]\r\n限定运行时间=" + limit + "\r\n"));
    return folder;
  }
  std::string media(const std::string& name) {
    const std::string path = temp.file(name);
    EXPECT_TRUE(support::writeFile(path, ""));
    return path;
  }
  // A player of its own: its main window came and it opened `path`.
  static bool runsOnItsOwn(support::PlayerProgram& later, const std::string& journal,
                           const std::string& path) {
    if (later.mainWindow(15000) == nullptr) return false;
    return support::waitUntil([&] {
      const std::vector<std::string> events = journalEvents(journal);
      return std::find(events.begin(), events.end(), "open " + path) != events.end();
    }, 15000);
  }
};

TEST_F(HandOver, TheFirstInstancePublishesItsProcessAndReceivingListReplacingAnOldFile) {
  ASSERT_TRUE(support::writeFile(handOverFilePath(), "123456789\r\n987654321\r\nleft over"));
  const std::string a = media("a.mp3");
  FirstInstance first(programFolder(), inQuotes(a), a);
  ASSERT_NE(first.main, nullptr);

  const std::string bytes = support::readFile(handOverFilePath());
  const std::size_t lineEnd = bytes.find("\r\n");
  ASSERT_NE(lineEnd, std::string::npos) << bytes;
  EXPECT_EQ(bytes.substr(0, lineEnd), std::to_string(first.program.processId()));
  const std::string handle = bytes.substr(lineEnd + 2);
  ASSERT_FALSE(handle.empty());
  EXPECT_EQ(handle.find_first_not_of("-0123456789"), std::string::npos) << "nothing after the number";
  const HWND list = reinterpret_cast<HWND>(static_cast<intptr_t>(std::stol(handle)));
  DWORD owner = 0;
  GetWindowThreadProcessId(list, &owner);
  EXPECT_EQ(owner, first.program.processId());
  char className[32] = {};
  GetClassNameA(list, className, sizeof className);
  EXPECT_STREQ(className, "ListBox");
  EXPECT_FALSE(IsWindowVisible(list));

  // Written beside it and moved over it: nothing else is left in the folder.
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((handOverFilePath() + ".*.new").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE) << found.cFileName;
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

// Wine gives processes small ids, multiples of 4: a link under the name beside
// the hand-over file for every id up to this one meets the first instance.
constexpr DWORD kLastPlantedId = 16384;

// Links that someone else put in the shared temporary folder under the name
// the first instance writes beside the hand-over file, whatever its process id:
// the file they lead to stays as it was, they stay where they were, and the
// hand-over works as ever.
TEST_F(HandOver, LinksPlantedUnderTheNameBesideTheFileAreNeitherWrittenThroughNorMoved) {
  const struct {
    const char* what;
    support::FileLink kind;
  } cases[] = {{"symbolic links", support::FileLink::kSymbolic}, {"hard links", support::FileLink::kHard}};
  const std::string owned = "the user's own file\r\n";
  const std::string folder = programFolder();
  int run = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteFileA((folder + "\\first-journal.txt").c_str());
    const std::string links = temp.file(numbered("links", run, ""));
    ASSERT_TRUE(CreateDirectoryA(links.c_str(), nullptr));
    SetEnvironmentVariableA("TEMP", links.c_str());   // the players' temporary folder
    const std::string target = temp.file(numbered("owned", run, ".txt"));
    ASSERT_TRUE(support::writeFile(target, owned));
    std::vector<std::string> names;
    for (DWORD id = 4; id <= kLastPlantedId; id += 4) {
      names.push_back(numbered("Qmvrtaxe.tmp.", static_cast<int>(id), ".new"));
    }
    support::FileLinks planted(links, names, target, c.kind);
    ASSERT_TRUE(planted.made());

    const std::string a = media(numbered("a", run, ".mp3"));
    FirstInstance first(folder, inQuotes(a), a);
    ASSERT_NE(first.main, nullptr);
    const DWORD id = first.program.processId();
    ASSERT_LE(id, kLastPlantedId) << "no link was planted under this first instance's name";
    const std::string ownLink = links + "\\" + numbered("Qmvrtaxe.tmp.", static_cast<int>(id), ".new");

    EXPECT_EQ(support::readFile(target), owned);
    EXPECT_NE(GetFileAttributesA(ownLink.c_str()), INVALID_FILE_ATTRIBUTES) << "the link was moved";
    EXPECT_EQ(support::readFile(ownLink), owned);
    EXPECT_EQ(support::readFile(handOverFilePath()).rfind(std::to_string(id) + "\r\n", 0), 0u)
        << support::readFile(handOverFilePath());

    const std::string b = media(numbered("b", run++, ".mp3"));
    support::PlayerProgram later(first.program.path());
    ASSERT_TRUE(later.start(inQuotes(b), temp.file("later-journal.txt")));
    EXPECT_EQ(later.waitForExit(), 0);
    support::pumpMessages(600);
    EXPECT_EQ(pressNext(first.main, first.journal), "open " + b);
    EXPECT_EQ(support::readFile(target), owned);
  }
  SetEnvironmentVariableA("TEMP", temp.path().c_str());
}

TEST_F(HandOver, ALaterStartWithinTheLimitHandsItsPathOverAndEnds) {
  const std::string folder = programFolder();
  const std::string a = media("a.mp3");
  FirstInstance first(folder, inQuotes(a), a);
  ASSERT_NE(first.main, nullptr);
  // Unquoted, the space cuts the path in two; it arrives whole.
  CreateDirectoryA(temp.file("my clips").c_str(), nullptr);
  const std::string b = media("my clips\\b.mp3");

  support::PlayerProgram later(first.program.path());
  ASSERT_TRUE(later.start(b, temp.file("later-journal.txt")));
  EXPECT_EQ(later.waitForExit(), 0);
  EXPECT_FALSE(support::readFile(temp.file("later-journal.txt")).size() > 0)
      << "the later start created an engine";

  // Appended on the next tick, without playing.
  support::pumpMessages(600);
  EXPECT_EQ(journalEvents(first.journal), (std::vector<std::string>{"open " + a}));
  EXPECT_EQ(pressNext(first.main, first.journal), "open " + b);
  EXPECT_EQ(pressNext(first.main, first.journal), "hint " + b + kLastHint);
}

TEST_F(HandOver, ALaterStartWithoutArgumentsHandsOverAnEmptyEntry) {
  const std::string a = media("a.mp3");
  FirstInstance first(programFolder(), inQuotes(a), a);
  ASSERT_NE(first.main, nullptr);

  support::PlayerProgram later(first.program.path());
  ASSERT_TRUE(later.start("", temp.file("later-journal.txt")));
  EXPECT_EQ(later.waitForExit(), 0);
  support::pumpMessages(600);
  // Entry 2 is the empty text: no file of that name.
  EXPECT_EQ(pressNext(first.main, first.journal), "hint " + kMissingHint);
}

TEST_F(HandOver, ALaterStartPastTheLimitRunsOnItsOwn) {
  const std::string a = media("a.mp3");
  // A limit of 0: no later start is within it.
  FirstInstance first(programFolder("0"), inQuotes(a), a);
  ASSERT_NE(first.main, nullptr);

  const std::string b = media("b.mp3");
  support::PlayerProgram later(first.program.path());
  const std::string journal = temp.file("later-journal.txt");
  ASSERT_TRUE(later.start(inQuotes(b), journal));
  EXPECT_TRUE(runsOnItsOwn(later, journal, b));
  EXPECT_EQ(pressNext(first.main, first.journal), "hint " + a + kLastHint);
}

// A file that names a window any program could have put there, or one whose
// handle the system has given to something else, receives nothing: the later
// start runs as a player of its own, and reads the file without keeping it.
TEST_F(HandOver, AHandleThatIsNotAListBoxOfTheNamedProcessReceivesNothing) {
  const std::string a = media("a.mp3");
  FirstInstance first(programFolder(), inQuotes(a), a);
  ASSERT_NE(first.main, nullptr);
  const std::string firstId = std::to_string(first.program.processId());
  // A list box of this process: not the process the file names.
  HWND foreign = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(foreign, nullptr);
  const struct {
    const char* what;
    HWND window;
  } cases[] = {
      {"another process's list box", foreign},
      {"the named process's main window", first.main},
  };
  int run = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(support::writeFile(
        handOverFilePath(),
        firstId + "\r\n" + std::to_string(static_cast<long>(reinterpret_cast<intptr_t>(c.window)))));
    const std::string b = media(numbered("b", run, ".mp3"));
    const std::string journal = temp.file(numbered("later-journal", run++, ".txt"));
    support::PlayerProgram later(first.program.path());
    ASSERT_TRUE(later.start(inQuotes(b), journal));
    EXPECT_TRUE(runsOnItsOwn(later, journal, b));
    EXPECT_EQ(SendMessageA(foreign, LB_GETCOUNT, 0, 0), 0);
    EXPECT_TRUE(DeleteFileA(handOverFilePath().c_str())) << "the later start keeps the file open";
  }
  DestroyWindow(foreign);
  EXPECT_EQ(pressNext(first.main, first.journal), "hint " + a + kLastHint);
}

// Any program of the user can write the file: one that names itself and a list
// box of its own, even one shaped as the player's receiving list, receives
// nothing. The later start runs as a player of its own and plays its file.
TEST_F(HandOver, AProgramThatNamesItsOwnListBoxInTheFileReceivesNothing) {
  const std::string a = media("a.mp3");
  FirstInstance first(programFolder(), inQuotes(a), a);
  ASSERT_NE(first.main, nullptr);
  int run = 0;
  for (const char* kind : {"plain", "shaped"}) {
    SCOPED_TRACE(kind);
    DeleteFileA(handOverFilePath().c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program{};
    std::string commandLine = support::childCommandLine("name_own_list_box", {kind});
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &program));
    const std::string named = std::to_string(program.dwProcessId) + "\r\n";
    ASSERT_TRUE(support::waitUntil(
        [&] { return support::readFile(handOverFilePath()).rfind(named, 0) == 0; }, 15000));
    const HWND list = reinterpret_cast<HWND>(
        static_cast<intptr_t>(std::stol(support::readFile(handOverFilePath()).substr(named.size()))));
    ASSERT_TRUE(IsWindow(list));

    const std::string b = media(numbered("b", run, ".mp3"));
    const std::string journal = temp.file(numbered("later-journal", run++, ".txt"));
    support::PlayerProgram later(first.program.path());
    ASSERT_TRUE(later.start(inQuotes(b), journal));
    EXPECT_TRUE(runsOnItsOwn(later, journal, b));
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);

    TerminateProcess(program.hProcess, 0);
    WaitForSingleObject(program.hProcess, 5000);
    CloseHandle(program.hThread);
    CloseHandle(program.hProcess);
  }
  EXPECT_EQ(pressNext(first.main, first.journal), "hint " + a + kLastHint);
}

// A first instance that answers nothing (here its windows' thread is stopped)
// holds a later start a few seconds at most: it then plays its file itself.
TEST_F(HandOver, AFirstInstanceThatDoesNotAnswerLeavesTheLaterStartToPlayItsFile) {
  const std::string a = media("a.mp3");
  FirstInstance first(programFolder(), inQuotes(a), a);
  ASSERT_NE(first.main, nullptr);
  ASSERT_TRUE(first.program.suspend());

  const std::string b = media("b.mp3");
  const std::string journal = temp.file("later-journal.txt");
  support::PlayerProgram later(first.program.path());
  const DWORD started = GetTickCount();
  ASSERT_TRUE(later.start(inQuotes(b), journal));
  const bool onItsOwn = runsOnItsOwn(later, journal, b);
  const DWORD waited = GetTickCount() - started;
  ASSERT_TRUE(first.program.resume());
  EXPECT_TRUE(onItsOwn);
  EXPECT_LT(waited, 15000u);

  // Woken again, the first instance answers as before, and the path given up
  // on does not arrive after all: it plays in one window only.
  support::pumpMessages(600);
  EXPECT_EQ(pressNext(first.main, first.journal), "hint " + a + kLastHint);
}

// The event outlives the first instance while another player runs: the file
// then names a process that is gone, or there is none. Either way the start
// runs on its own.
TEST_F(HandOver, WithTheEventHeldAStaleOrMissingFileLeavesTheStartOnItsOwn) {
  HANDLE event = CreateEventA(nullptr, FALSE, FALSE, player::kInstanceEventName);
  ASSERT_NE(event, nullptr);
  ASSERT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << "another player runs";
  HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION ended{};
  std::string commandLine = support::childCommandLine("end_at_once");
  ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &ended));
  WaitForSingleObject(ended.hProcess, 10000);
  CloseHandle(ended.hThread);
  CloseHandle(ended.hProcess);

  support::PlayerProgram copy(QUORLE_PLAYER_EXE, programFolder());
  ASSERT_TRUE(copy.copied());
  const struct {
    const char* what;
    bool file;
  } cases[] = {{"a file naming an ended process", true}, {"no file", false}};
  int run = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteFileA(handOverFilePath().c_str());
    if (c.file) {
      ASSERT_TRUE(support::writeFile(
          handOverFilePath(), std::to_string(ended.dwProcessId) + "\r\n" +
                                  std::to_string(static_cast<long>(reinterpret_cast<intptr_t>(list)))));
    }
    const std::string b = media(numbered("b", run, ".mp3"));
    const std::string journal = temp.file(numbered("later-journal", run++, ".txt"));
    support::PlayerProgram later(copy.path());
    ASSERT_TRUE(later.start(inQuotes(b), journal));
    EXPECT_TRUE(runsOnItsOwn(later, journal, b));
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);
    // Only a first instance writes the file.
    EXPECT_EQ(GetFileAttributesA(handOverFilePath().c_str()) != INVALID_FILE_ATTRIBUTES, c.file);
  }
  DestroyWindow(list);
  CloseHandle(event);
}

TEST_F(HandOver, ABurstOfTwentyLaterStartsAllArriveOnceInOneWindow) {
  const std::string a = media("a.mp3");
  FirstInstance first(programFolder(), inQuotes(a), a);
  ASSERT_NE(first.main, nullptr);

  constexpr int kStarts = 20;
  std::vector<std::unique_ptr<support::PlayerProgram>> later;
  std::set<std::string> sent;
  for (int i = 0; i < kStarts; ++i) {
    const std::string path = media(numbered("burst", i, ".mp3"));
    sent.insert("open " + path);
    later.push_back(std::make_unique<support::PlayerProgram>(first.program.path()));
    ASSERT_TRUE(later.back()->start(inQuotes(path), temp.file("burst-journal.txt")));
  }
  for (int i = 0; i < kStarts; ++i) EXPECT_EQ(later[i]->waitForExit(30000), 0) << "start " << i;
  EXPECT_EQ(support::readFile(temp.file("burst-journal.txt")), "") << "a later start created an engine";

  // Through the whole playlist: each path once, then the end.
  support::pumpMessages(600);
  std::multiset<std::string> arrived;
  std::string event;
  for (int i = 0; i <= kStarts; ++i) {
    event = pressNext(first.main, first.journal);
    if (event.rfind("hint ", 0) == 0) break;
    arrived.insert(event);
  }
  EXPECT_EQ(arrived, std::multiset<std::string>(sent.begin(), sent.end()));
  EXPECT_NE(event.find(kLastHint), std::string::npos) << event;
}

// Files opened from the shell together start one player each at the same
// moment. Here every start is held where it asks for the instance event and
// all are let go at once: one of them becomes the first instance (it alone
// shows a window and writes the hand-over file), every other one hands its
// path over and ends, and each path is in the first instance's playlist once.
TEST_F(HandOver, StartsLetGoAtOneMomentMakeOneFirstInstanceHoldingEveryPathOnce) {
  support::PlayerProgram copy(QUORLE_PLAYER_EXE, programFolder());
  ASSERT_TRUE(copy.copied());
  constexpr int kStarts = 6;
  std::vector<std::unique_ptr<support::PlayerProgram>> starts;
  std::vector<std::string> paths, journals;
  for (int i = 0; i < kStarts; ++i) {
    paths.push_back(media(numbered("together", i, ".mp3")));
    journals.push_back(temp.file(numbered("together-journal", i, ".txt")));
    starts.push_back(std::make_unique<support::PlayerProgram>(copy.path()));
    ASSERT_TRUE(starts.back()->startWith(DEBUG_ONLY_THIS_PROCESS, inQuotes(paths.back()), journals.back()));
  }
  EventBarrier barrier(player::kInstanceEventName);
  ASSERT_EQ(barrier.releaseWhenAllHeld(kStarts, 60000), static_cast<std::size_t>(kStarts));

  // Settled: each start has ended, or shows its window and has opened its path.
  const auto runsWithItsFile = [&](int i) {
    if (support::visibleTopWindow(starts[i]->processId(), nullptr, nullptr) == nullptr) return false;
    const std::vector<std::string> events = journalEvents(journals[i]);
    return std::find(events.begin(), events.end(), "open " + paths[i]) != events.end();
  };
  ASSERT_TRUE(support::waitUntil([&] {
    for (int i = 0; i < kStarts; ++i)
      if (!starts[i]->ended() && !runsWithItsFile(i)) return false;
    return true;
  }, 60000));
  std::vector<int> running;
  for (int i = 0; i < kStarts; ++i) {
    if (!starts[i]->ended()) {
      running.push_back(i);
    } else {
      EXPECT_EQ(starts[i]->waitForExit(), 0) << "start " << i;
      EXPECT_EQ(support::readFile(journals[i]), "") << "start " << i << " created an engine";
    }
  }
  ASSERT_EQ(running.size(), 1u) << "windows of their own: " << testing::PrintToString(running);
  const int first = running.front();
  EXPECT_EQ(support::readFile(handOverFilePath()).rfind(std::to_string(starts[first]->processId()) + "\r\n", 0), 0u)
      << "the hand-over file names another process";

  // Through the whole playlist: after its own path, every other path once.
  const HWND main = starts[first]->mainWindow();
  ASSERT_NE(main, nullptr);
  support::pumpMessages(600);
  std::multiset<std::string> arrived;
  std::string event;
  for (int i = 0; i < kStarts; ++i) {
    event = pressNext(main, journals[first]);
    if (event.rfind("hint ", 0) == 0) break;
    arrived.insert(event);
  }
  std::multiset<std::string> sent;
  for (int i = 0; i < kStarts; ++i)
    if (i != first) sent.insert("open " + paths[i]);
  EXPECT_EQ(arrived, sent);
  EXPECT_NE(event.find(kLastHint), std::string::npos) << event;
}

}  // namespace
}  // namespace handover
