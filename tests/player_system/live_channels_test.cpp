// The hidden live channels: the logo gesture, the access prompt, the window
// and its tree, and what choosing each channel does to the engine, the
// caption and the playlist.
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/windows/live_channels/live_channels.h"
#include "tests/player_system/live_test.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace system_test {
namespace {

using Call = support::ScriptedSeam::Call;

const Call kHalt{.kind = Call::Message, .text = "站住！前面乃是禁地，没有暗号不能进入",
                 .caption = "来者何人？", .flags = MB_YESNO | MB_ICONHAND};
const Call kAsk{.kind = Call::Input, .text = "暗号：", .caption = "输入"};
const Call kWrong{.kind = Call::Message, .text = "暗号不对！再来打屎你~~", .caption = "滚~滚~滚~",
                  .flags = MB_OK | MB_ICONEXCLAMATION};

// Kind, texts and flags of every modal call, in order.
std::vector<std::string> described(const std::vector<Call>& calls) {
  std::vector<std::string> lines;
  for (const Call& call : calls) {
    lines.push_back(std::to_string(call.kind) + "|" + call.text + "|" + call.caption + "|" +
                    std::to_string(call.flags) + "|" + call.initial);
  }
  return lines;
}

bool onReservedHost(const std::string& address) {
  const std::string scheme = "https://";
  if (address.rfind(scheme, 0) != 0) return false;
  const std::string host = address.substr(scheme.size(), address.find('/', scheme.size()) - scheme.size());
  return host.ends_with(".example.com") || host.ends_with(".example.net");
}

using LiveChannels = LiveTest;

TEST_F(LiveChannels, GestureWantsCtrlAloneWhileTheFrameRateReadoutIsOn) {
  toggleReadout();
  ASSERT_GT(window().实时帧率时钟.interval(), 0);
  struct Keys {
    WPARAM mouseKeys;
    bool alt;
    const char* name;
  };
  for (const Keys& keys : {Keys{MK_CONTROL | MK_SHIFT, false, "Ctrl+Shift"}, Keys{MK_CONTROL, true, "Ctrl+Alt"},
                           Keys{0, false, "none"}, Keys{MK_SHIFT, false, "Shift"}}) {
    SCOPED_TRACE(keys.name);
    doubleClickLogo(keys.mouseKeys, keys.alt);
    EXPECT_TRUE(seam.calls.empty());
    EXPECT_EQ(live(), nullptr);
  }
  toggleReadout();
  ASSERT_EQ(window().实时帧率时钟.interval(), 0);
  doubleClickLogo(MK_CONTROL);
  EXPECT_TRUE(seam.calls.empty());
  EXPECT_EQ(live(), nullptr);
}

TEST_F(LiveChannels, NoOrAnyOtherAnswerKeepsThemLocked) {
  toggleReadout();
  struct Answer {
    std::optional<std::string> typed;   // nullopt: Cancel
    const char* name;
  };
  const Answer answers[] = {
      {"qL9$tv3k", "one byte differs"},
      {kAccessCode + " ", "trailing space"},
      {" " + kAccessCode, "leading space"},
      {std::string(), "nothing typed"},
      {std::nullopt, "Cancel"},
  };
  for (const Answer& answer : answers) {
    SCOPED_TRACE(answer.name);
    seam.calls.clear();
    seam.messageBoxAnswers.push_back(IDYES);
    seam.inputAnswers.push_back(answer.typed);
    doubleClickLogo(MK_CONTROL);
    EXPECT_EQ(described(seam.calls), described({kHalt, kAsk, kWrong}));
    EXPECT_FALSE(player::liveChannelsUnlocked);
    EXPECT_EQ(live(), nullptr);
  }
  seam.calls.clear();
  seam.messageBoxAnswers.push_back(IDNO);
  doubleClickLogo(MK_CONTROL);
  EXPECT_EQ(described(seam.calls), described({kHalt}));
  EXPECT_FALSE(player::liveChannelsUnlocked);
  EXPECT_EQ(live(), nullptr);
}

TEST_F(LiveChannels, TheCodeOpensTheWindowAsDescribedAndLaterGesturesAskNoMore) {
  toggleReadout();
  unlock();
  EXPECT_EQ(described(seam.calls), described({kHalt, kAsk}));
  EXPECT_TRUE(player::liveChannelsUnlocked);

  HWND hwnd = live()->handle();
  char caption[64] = {};
  GetWindowTextA(hwnd, caption, sizeof caption);
  EXPECT_STREQ(caption, "观看直播");
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_EQ(style & WS_SYSMENU, WS_SYSMENU);
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_EQ(GetMenu(hwnd), nullptr) << "操作 is hidden: no menu bar";
  RECT outer{};
  GetWindowRect(hwnd, &outer);
  EXPECT_EQ(outer.right - outer.left, 160);
  EXPECT_EQ(outer.bottom - outer.top, 327);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 160) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 327) / 2);
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);

  const RECT treeRect = support::rectInParent(tree().handle());
  EXPECT_EQ(treeRect.left, -3);
  EXPECT_EQ(treeRect.top, 0);
  EXPECT_EQ(treeRect.right - treeRect.left, 160);
  EXPECT_EQ(treeRect.bottom - treeRect.top, 300);
  const LONG_PTR treeStyle = GetWindowLongPtrA(tree().handle(), GWL_STYLE);
  EXPECT_EQ(treeStyle & (TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT),
            TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT);
  EXPECT_EQ(treeStyle & TVS_EDITLABELS, 0);
  const std::vector<std::string> items = {
      "英雄联盟直播", "LPL官方直播1080P", "LPL官方直播720P", "CCTV央视直播", "CCTV1", "CCTV2", "CCTV3",
      "CCTV4", "CCTV5", "CCTV6", "CCTV7", "CCTV8", "CCTV9", "CCTV10", "CCTV11", "CCTV12", "CCTV13",
      "CCTV14", "CCTV15", "CCTV17"};
  std::vector<std::string> shown;
  for (int i = 0; i < tree().count(); ++i) shown.push_back(tree().itemText(i));
  EXPECT_EQ(shown, items);
  EXPECT_TRUE(tree().isExpanded(0));
  EXPECT_TRUE(tree().isExpanded(3));
  // The filling selects nothing. The tree takes the focus as the window opens
  // (when the window gets the shared foreground), and a focused tree selects
  // its first item as the system's does: a root, which plays nothing.
  EXPECT_LE(tree().selection(), 0);
  EXPECT_EQ(SendMessageA(tree().handle(), TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0),
            reinterpret_cast<LRESULT>(tree().itemHandle(0)))
      << "the tree opens at its top";
  EXPECT_EQ(player::liveChannelAddresses.size(), 15u);

  // Open: brought back, neither refilled nor asked again.
  tree().setSelection(item("CCTV2"));
  ShowWindow(hwnd, SW_MINIMIZE);
  doubleClickLogo(MK_CONTROL);
  EXPECT_FALSE(IsIconic(hwnd));
  EXPECT_EQ(tree().count(), 20);
  EXPECT_EQ(tree().itemText(tree().selection()), "CCTV2");

  // Closed by its close box: the gesture opens it at once.
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  support::pumpMessages();
  ASSERT_EQ(live(), nullptr);
  doubleClickLogo(MK_CONTROL);
  ASSERT_NE(live(), nullptr);
  EXPECT_EQ(tree().count(), 20);
  EXPECT_EQ(player::liveChannelAddresses.size(), 15u);
  EXPECT_EQ(described(seam.calls), described({kHalt, kAsk}));

  // Still nothing without the readout.
  SendMessageA(live()->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  support::pumpMessages();
  toggleReadout();
  doubleClickLogo(MK_CONTROL);
  EXPECT_EQ(live(), nullptr);
}

TEST_F(LiveChannels, EachChannelOpensItsAddressOrSaysWhyNotBesideThePlaylist) {
  toggleReadout();
  unlock();
  struct Row {
    std::string text;
    std::string path;      // the address ends so; empty: nothing opens
    std::string message;   // a blocked channel's box
    std::string caption;   // the main window's caption afterwards; empty: unchanged
  };
  const Row rows[] = {
      {"LPL官方直播1080P", "/764502578_3000p.xs", "", "LPL直播1080P"},
      {"LPL官方直播720P", "/764502578_1500p.xs", "", "LPL直播720P"},
      {"CCTV1", "/clive/cctv1_2/index.m3u8", "", ""},
      {"CCTV2", "/clive/cctv2_2/index.m3u8", "", ""},
      {"CCTV3", "/clive/cctv3_2/index.m3u8", "", ""},
      {"CCTV4", "/clive/cctv4_2/index.m3u8", "", ""},
      {"CCTV5", "", "CCTV5已被央妈加密，不敢放..", ""},
      {"CCTV6", "/clive/cctv6_2/index.m3u8", "", ""},
      {"CCTV7", "/clive/cctv7_2/index.m3u8", "", ""},
      {"CCTV8", "/clive/cctv8_2/index.m3u8", "", ""},
      {"CCTV9", "", "CCTV9已被央妈加密，不敢放..", ""},
      {"CCTV10", "/clive/cctv10_2/index.m3u8", "", ""},
      {"CCTV11", "/clive/cctv11_2/index.m3u8", "", ""},
      {"CCTV12", "/clive/cctv12_2/index.m3u8", "", ""},
      {"CCTV13", "/clive/cctv13_2/index.m3u8", "", ""},
      {"CCTV14", "", "CCTV14已被央妈加密，不敢放..", ""},
      {"CCTV15", "/clive/cctv15_2/index.m3u8", "", ""},
      {"CCTV17", "/clive/cctv17_2/index.m3u8", "", ""},
  };
  const std::string title = window().电影名标签.caption();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    seam.calls.clear();
    clearJournal();
    const std::string captionBefore = window().caption();
    doubleClickItem(item(row.text));
    const std::vector<std::string> opens = opened();
    if (row.path.empty()) {
      EXPECT_TRUE(opens.empty());
      EXPECT_EQ(described(seam.calls),
                described({Call{.kind = Call::Message, .text = row.message, .caption = "信息：", .flags = MB_OK}}));
    } else {
      ASSERT_EQ(opens.size(), 1u);
      EXPECT_TRUE(opens[0].ends_with(row.path)) << opens[0];
      EXPECT_TRUE(onReservedHost(opens[0])) << opens[0];
      EXPECT_TRUE(seam.calls.empty());
    }
    EXPECT_TRUE(calls("APlayer_Close").empty()) << "opened over what plays";
    EXPECT_EQ(window().caption(), row.caption.empty() ? captionBefore : row.caption);
  }
  EXPECT_EQ(player::playlist, (fw::TextArray{a, b, c}));
  EXPECT_EQ(player::currentIndex, 1);
  EXPECT_EQ(window().电影名标签.caption(), title);

  // A blocked channel leaves what plays alone.
  player::playEntry(a);
  settle();
  clearJournal();
  doubleClickItem(item("CCTV9"));
  EXPECT_EQ(engine().getState(), 5);
  for (const char* routine : {"APlayer_OpenA", "APlayer_Close", "APlayer_Pause", "APlayer_Play"})
    EXPECT_TRUE(calls(routine).empty()) << routine;

  // The two groups open or close, and play nothing.
  clearJournal();
  seam.calls.clear();
  for (const char* group : {"CCTV央视直播", "英雄联盟直播"}) {
    const int root = item(group);
    doubleClickItem(root);
    EXPECT_FALSE(tree().isExpanded(root)) << group;
  }
  EXPECT_TRUE(opened().empty());
  EXPECT_TRUE(seam.calls.empty());
}

TEST_F(LiveChannels, ALiveChannelLeavesThePlaylistWhereItWasForTheNextCommand) {
  toggleReadout();
  unlock();
  doubleClickItem(item("CCTV1"));
  settle();
  ASSERT_EQ(engine().getState(), 5) << "the stream plays";
  clearJournal();
  support::chooseMenuItem(window().下一个);
  settle();
  EXPECT_EQ(opened(), std::vector<std::string>{b});
  EXPECT_EQ(player::currentIndex, 2);
}

TEST_F(LiveChannels, AfterTheCloseCommandAStreamPlaysWithTheTimeDisplayStandingStill) {
  toggleReadout();
  unlock();
  support::chooseMenuItem(window().关闭视频);
  settle();
  ASSERT_EQ(window().时钟_标记播放进度.interval(), 0);
  const std::string label = window().进度标签.caption();
  const int slider = window().时长滑块条.position();
  doubleClickItem(item("CCTV6"));
  settle();
  ASSERT_EQ(engine().getState(), 5);
  EXPECT_EQ(player::openPending, 0);
  standin::advanceClock(5000);
  settle();
  EXPECT_EQ(window().时钟_标记播放进度.interval(), 0);
  EXPECT_EQ(window().进度标签.caption(), label);
  EXPECT_EQ(window().时长滑块条.position(), slider);
}

}  // namespace
}  // namespace system_test
