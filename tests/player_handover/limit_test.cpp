// The limit to the millisecond: a start in this process meets a running copy
// of the program, with the creation times the system reports replaced.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/windows_routines.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "tests/player_handover/instance_fixture.h"
#include "tests/player_spine/player_fixture.h"

namespace handover {
namespace {

DWORD runningProcess = 0;
int64_t ownDelayMs = 0;

// Every creation time counts from one moment: the running process's is that
// moment, this process's `ownDelayMs` later.
BOOL WINAPI givenTimes(HANDLE process, LPFILETIME creation, LPFILETIME exit, LPFILETIME kernel,
                       LPFILETIME user) {
  const DWORD id = GetProcessId(process);
  if (id != runningProcess && id != GetCurrentProcessId()) return FALSE;
  const uint64_t base = 133000000000000000ull;   // a day in 2022, in 100 ns units
  const uint64_t value = base + (id == runningProcess ? 0 : ownDelayMs * 10000);
  for (LPFILETIME time : {creation, exit, kernel, user}) {
    time->dwLowDateTime = static_cast<DWORD>(value);
    time->dwHighDateTime = static_cast<DWORD>(value >> 32);
  }
  return TRUE;
}

// The running copy counts as running the program this process runs, which a
// later start asks before it hands over: here that program is the test itself.
BOOL WINAPI sameProgram(HANDLE process, DWORD, LPSTR name, PDWORD size) {
  if (GetProcessId(process) != runningProcess) return FALSE;
  const DWORD length = GetModuleFileNameA(nullptr, name, *size);
  if (length == 0 || length >= *size) return FALSE;
  *size = length;
  return TRUE;
}

class Limit : public spine::PlayerTest {
 protected:
  ~Limit() override {
    fw::win::GetProcessTimes.replaceForTests(nullptr);
    fw::win::QueryFullProcessImageNameA.replaceForTests(nullptr);
  }

  // A copy of the program runs as the first instance; this process then starts
  // `delayMs` after it, with the default limit of 1000 ms.
  void startAfter(int64_t delayMs, FirstInstance& first) {
    ASSERT_NE(first.main, nullptr);
    // The desktop's real event, which the running copy holds.
    fw::win::CreateEventA.replaceForTests(nullptr);
    runningProcess = first.program.processId();
    ownDelayMs = delayMs;
    fw::win::GetProcessTimes.replaceForTests(givenTimes);
    fw::win::QueryFullProcessImageNameA.replaceForTests(sameProgram);
    spine::setPlayerArguments(inQuotes(clip));
    startPlayer();
  }
  std::string folder() {
    const std::string path = temp.file("program");
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
  }

  std::string a = makeFile("a.mp3");
  std::string clip = makeFile("clip.mp3");
};

TEST_F(Limit, Created999MsAfterTheRunningOneItHandsOverAndEnds) {
  FirstInstance first(folder(), inQuotes(a), a);
  startAfter(999, first);
  EXPECT_TRUE(seam.ended);
  EXPECT_EQ(seam.exitCode, 0);
  EXPECT_EQ(player::engineReady, 0) << "no engine before the end";
  EXPECT_TRUE(spine::journalCalls("APlayer_Create").empty());
  support::pumpMessages(600);   // the running copy's next tick takes it
  EXPECT_EQ(pressNext(first.main, first.journal), "open " + clip);
}

TEST_F(Limit, Created1000MsAfterTheRunningOneItPlaysOnItsOwn) {
  FirstInstance first(folder(), inQuotes(a), a);
  startAfter(1000, first);
  EXPECT_FALSE(seam.ended);
  ASSERT_EQ(spine::journalCalls("APlayer_OpenA").size(), 1u);
  EXPECT_EQ(spine::journalCalls("APlayer_OpenA")[0].at(2), clip);
  support::pumpMessages(600);
  EXPECT_EQ(pressNext(first.main, first.journal), "hint " + a + " 已经是最后一个文件了！");
}

}  // namespace
}  // namespace handover
