// The DLNA device window through what the user touches: the menu item, the
// list, its three buttons and the close picture, with renderers found by the
// stand-in engine.
#include <windows.h>

#include "engine/engine_items.h"
#include "player/app/app.h"
#include "tests/player_dlna/dlna_fixture.h"
#include "tests/support/wait.h"

namespace dlna {
namespace {

using player::DlnaWindow;
using Lines = std::vector<std::string>;

constexpr int kDiscover = engine::kDlnaDiscover;
constexpr int kRenderer = engine::kDlnaRenderer;
constexpr int kRefresh = engine::kDlnaRefresh;

using DlnaWindowTest = DlnaTest;

TEST_F(DlnaWindowTest, MenuOpensTheWindowAsDescribedAndBringsAnOpenOneToTheFront) {
  startPlayer();
  standin::clearJournal();
  DlnaWindow& w = openDlnaWindow();

  RECT outer{};
  GetWindowRect(w.handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, 500);
  EXPECT_EQ(outer.bottom - outer.top, 255);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 500) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 255) / 2);
  EXPECT_EQ(GetWindowTextLengthA(w.handle()), 0);
  EXPECT_EQ(GetWindowLongA(w.handle(), GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_EQ(GetWindow(w.handle(), GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowVisible(w.handle()));

  struct Unit {
    const fw::Unit& unit;
    HWND parent;
    RECT place;   // left, top, right, bottom in the parent
    const char* caption;
  } units[] = {
      {w.图片框1, w.handle(), {0, 0, 500, 32}, ""},
      {w.标签1, w.图片框1.handle(), {150, 1, 350, 17}, "选择DLNA设备"},
      {w.标签2, w.图片框1.handle(), {55, 17, 445, 33},
       "注意：某些类型的音乐，DLNA设备可能并不支持！播放可能导致其卡死！"},
      {w.关闭图形按钮, w.handle(), {483, 0, 500, 16}, ""},
      {w.列表框1, w.handle(), {-1, 31, 501, 215}, ""},
      {w.按钮1, w.handle(), {121, 218, 201, 250}, "确定"},
      {w.按钮2, w.handle(), {210, 218, 290, 250}, "强制刷新"},
      {w.按钮3, w.handle(), {299, 218, 379, 250}, "取消DLNA播放"},
  };
  for (const Unit& u : units) {
    SCOPED_TRACE(u.caption);
    ASSERT_NE(u.unit.handle(), nullptr);
    EXPECT_EQ(GetParent(u.unit.handle()), u.parent);
    RECT place = spine::rectInParent(u.unit.handle());
    EXPECT_EQ(place.left, u.place.left);
    EXPECT_EQ(place.top, u.place.top);
    EXPECT_EQ(place.right, u.place.right);
    EXPECT_EQ(place.bottom, u.place.bottom);
    EXPECT_TRUE(IsWindowVisible(u.unit.handle()));
    if (*u.caption) {
      EXPECT_EQ(u.unit.caption(), u.caption);
    }
  }
  for (HWND focusable : {w.列表框1.handle(), w.按钮1.handle(), w.按钮2.handle(), w.按钮3.handle()})
    EXPECT_NE(GetWindowLongA(focusable, GWL_STYLE) & WS_TABSTOP, 0);
  EXPECT_EQ(GetWindowLongA(w.列表框1.handle(), GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL | LBS_SORT), 0);
  EXPECT_EQ(w.列表框1.count(), 0);
  EXPECT_EQ(w.时钟1.interval(), 1000);
  EXPECT_EQ(itemsSet(kDiscover), Lines{"1"});

  // Chosen again while open (and minimised): the same window comes back,
  // discovery is not started again.
  HWND first = w.handle();
  ShowWindow(first, SW_MINIMIZE);
  chooseMenuItem(window().播放到DLNA设备);
  ASSERT_NE(dlnaWindow(), nullptr);
  EXPECT_EQ(dlnaWindow()->handle(), first);
  EXPECT_FALSE(IsIconic(first));
  EXPECT_EQ(itemsSet(kDiscover), Lines{"1"});
}

TEST_F(DlnaWindowTest, ListsEachTwoFieldLineOnceInTheOrderFirstReported) {
  findRenderers("TV;uuid-1|Box;uuid-2");
  startPlayer();
  openDlnaWindow();
  standin::clearJournal();
  waitForPolls(2);
  EXPECT_EQ(listed(), (Lines{"TV;uuid-1", "Box;uuid-2"}));
}

TEST_F(DlnaWindowTest, TakesLinesOfExactlyTwoFieldsWhole) {
  findRenderers("");
  startPlayer();
  openDlnaWindow();
  support::pumpMessages(200);   // the discovery has filled its (empty) list
  struct Case {
    const char* renderers;   // item 1802 as the engine holds it
    Lines listed;            // the list afterwards (it keeps what came before)
  } cases[] = {
      {"TV\r\nTV;uuid;x\r\nTV;uuid-1;\r\n;uuid-9", {"TV;uuid-1;", ";uuid-9"}},
      // LF alone ends a line too; the last line needs no end.
      {"客厅电视;uuid:a001\nTV;uuid-1;\r\nBox;uuid-2", {"TV;uuid-1;", ";uuid-9", "客厅电视;uuid:a001", "Box;uuid-2"}},
      // The same identifier under another name is another line; case counts.
      {"电视;uuid-1\r\nbox;uuid-2", {"TV;uuid-1;", ";uuid-9", "客厅电视;uuid:a001", "Box;uuid-2", "电视;uuid-1", "box;uuid-2"}},
      // The list ends at a 0x1A byte: nothing after it is read, and the tick ends.
      {"A;1\x1A" "B;2", {"TV;uuid-1;", ";uuid-9", "客厅电视;uuid:a001", "Box;uuid-2", "电视;uuid-1", "box;uuid-2", "A;1"}},
      {"", {"TV;uuid-1;", ";uuid-9", "客厅电视;uuid:a001", "Box;uuid-2", "电视;uuid-1", "box;uuid-2", "A;1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.renderers);
    standin::setItem(engineHandle, engine::kDlnaRenderers, c.renderers);
    standin::clearJournal();
    waitForPolls(1);
    EXPECT_EQ(listed(), c.listed);
  }
}

TEST_F(DlnaWindowTest, ForcedRefreshKeepsTheListAndAddsWhatTheEngineThenReports) {
  findRenderers("TV;uuid-1");
  startPlayer();
  DlnaWindow& w = openDlnaWindow();
  standin::clearJournal();
  waitForPolls(1);
  ASSERT_EQ(listed(), Lines{"TV;uuid-1"});

  // The renderer now reports another name; the old line stays.
  findRenderers("电视;uuid-1");
  standin::clearJournal();
  press(w.按钮2);
  EXPECT_EQ(itemsSet(kRefresh), Lines{"1"});
  EXPECT_EQ(listed(), Lines{"TV;uuid-1"});
  waitForPolls(1);
  EXPECT_EQ(listed(), (Lines{"TV;uuid-1", "电视;uuid-1"}));
  EXPECT_TRUE(itemsSet(kDiscover).empty());
  EXPECT_TRUE(itemsSet(kRenderer).empty());
  EXPECT_TRUE(seam.messageTexts().empty());
}

// Pressing 确定 on a selected line and double-clicking the line do the same:
// what plays is closed, the identifier goes to the engine, the box shows the
// whole line, and the window goes once the box is closed.
class ApplyingARenderer : public DlnaTest {
 protected:
  enum Gesture { kOkButton, kDoubleClick };

  void applyWhilePlaying(Gesture gesture) {
    findRenderers("Box;uuid-2|TV;uuid-1;");
    startPlayingWav("a.wav");
    DlnaWindow& w = openDlnaWindow();
    waitForPolls(1);
    ASSERT_EQ(listed(), (Lines{"Box;uuid-2", "TV;uuid-1;"}));
    standin::clearJournal();

    if (gesture == kDoubleClick) {
      doubleClickLine(1);
    } else {
      clickLine(1);
      press(w.按钮1);
    }

    Lines order;
    for (const standin::JournalLine& line : standin::journalLines()) {
      if (line[0] == "APlayer_Close") order.push_back("close");
      if (line[0] == "APlayer_SetConfigA") order.push_back(line.at(2) + "=" + line.at(3));
      if (line[0] == "APlayer_OpenA") order.push_back("open");
    }
    EXPECT_EQ(order, (Lines{"close", "1803=uuid-1"}));
    ASSERT_EQ(seam.calls.size(), 1u);
    EXPECT_EQ(seam.calls[0].text, "当前选中的设备：\r\nTV;uuid-1;");
    EXPECT_EQ(seam.calls[0].caption, "信息：");
    EXPECT_EQ(seam.calls[0].flags, 0u);
    EXPECT_EQ(openBehindBoxes, std::vector<bool>{true});
    EXPECT_EQ(dlnaWindow(), nullptr);
    // Nothing plays again by itself.
    support::pumpMessages(300);
    EXPECT_EQ(player::playerEngine->getState(), engine::kIdle);
    EXPECT_TRUE(calls("APlayer_OpenA").empty());
    EXPECT_EQ(player::playerEngine->getConfig(kRenderer), "uuid-1");
  }
};

TEST_F(ApplyingARenderer, WithTheOkButtonWhilePlaying) { applyWhilePlaying(kOkButton); }

TEST_F(ApplyingARenderer, ByDoubleClickingItsLineWhilePlaying) { applyWhilePlaying(kDoubleClick); }

TEST_F(DlnaWindowTest, OkWithNothingSelectedAsksForADeviceAndChangesNothing) {
  findRenderers("TV;uuid-1");
  startPlayingWav("a.wav");
  DlnaWindow& w = openDlnaWindow();
  waitForPolls(1);
  standin::clearJournal();

  press(w.按钮1);

  EXPECT_EQ(seam.messageTexts(), Lines{"请选择设备！"});
  EXPECT_EQ(seam.calls.at(0).caption, "信息：");
  EXPECT_EQ(seam.calls.at(0).flags, 0u);
  EXPECT_NE(dlnaWindow(), nullptr);
  EXPECT_TRUE(calls("APlayer_Close").empty());
  EXPECT_TRUE(itemsSet(kRenderer).empty());
  EXPECT_EQ(player::playerEngine->getState(), engine::kPlaying);
}

TEST_F(DlnaWindowTest, CancelEmptiesTheRendererWithoutClosingWhatPlays) {
  startPlayingWav("a.wav");
  player::playerEngine->setConfig(kRenderer, "uuid-1");
  DlnaWindow& w = openDlnaWindow();
  standin::clearJournal();

  press(w.按钮3);

  EXPECT_EQ(itemsSet(kRenderer), Lines{""});
  EXPECT_TRUE(calls("APlayer_Close").empty());
  EXPECT_TRUE(seam.messageTexts().empty());
  EXPECT_EQ(dlnaWindow(), nullptr);
  support::pumpMessages(300);
  EXPECT_EQ(player::playerEngine->getState(), engine::kPlaying);
}

TEST_F(DlnaWindowTest, ClosingLeavesTheEngineAloneAndReopeningStartsAnew) {
  findRenderers("TV;uuid-1");
  startPlayer();
  player::playerEngine->setConfig(kRenderer, "uuid-1");
  DlnaWindow& first = openDlnaWindow();
  waitForPolls(1);
  ASSERT_EQ(listed(), Lines{"TV;uuid-1"});
  standin::clearJournal();

  press(first.关闭图形按钮);
  EXPECT_EQ(dlnaWindow(), nullptr);
  EXPECT_TRUE(calls("APlayer_SetConfigA").empty());
  EXPECT_EQ(player::playerEngine->getConfig(kRenderer), "uuid-1");

  openDlnaWindow();
  EXPECT_EQ(itemsSet(kDiscover), Lines{"1"});
  EXPECT_TRUE(listed().empty());
  waitForPolls(1);
  EXPECT_EQ(listed(), Lines{"TV;uuid-1"});
}

}  // namespace
}  // namespace dlna
