// Every window with units that take the focus, used with real keys: the unit
// it opens on, Tab and Shift+Tab through its units in their described order,
// and what the focused units do with the keys a user presses. Keys go through
// the system's input to the foreground window's focus.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine_items.h"
#include "player/playback/playback.h"
#include "player/windows/audio_device/audio_device_window.h"
#include "player/windows/dlna/dlna_window.h"
#include "player/windows/file_types/association_window.h"
#include "player/windows/playlist/playlist_window.h"
#include "tests/player_system/live_test.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace keyboard {
namespace {

using player::AssociationWindow;
using player::AudioDeviceWindow;
using player::DlnaWindow;
using player::LiveChannelWindow;
using player::PlaylistWindow;
using support::typeKeys;
using Units = std::vector<const fw::Unit*>;

class WindowKeys : public system_test::LiveTest {
 protected:
  // The window in the foreground, as the user's click on it would make it.
  ::testing::AssertionResult inFront(const fw::Window& w) {
    if (support::bringToFront(w.handle())) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the window does not come to the front";
  }
  // Where the focus is: its place in `units`, or -1.
  static int focusIn(const Units& units) {
    for (std::size_t i = 0; i < units.size(); ++i) {
      if (units[i]->handle() == GetFocus()) return static_cast<int>(i);
    }
    return -1;
  }
};

TEST_F(WindowKeys, EachOpensOnItsFirstUnitThatTakesTheFocusAndTabWalksThemInTheirOrderBothWaysAround) {
  writeSettings("[格式列表]\r\n.mp4\r\n.avi\r\n");
  const struct {
    const char* name;
    std::function<fw::Window*()> open;   // as the user opens it
    std::function<Units(fw::Window&)> order;
  } windows[] = {
      {"file types",
       [&] {
         support::chooseMenuItem(window().关联文件类型);
         return fw::openWindow<AssociationWindow>();
       },
       [](fw::Window& w) {
         auto& a = static_cast<AssociationWindow&>(w);
         return Units{&a.高级表格1, &a.按钮1, &a.按钮2, &a.按钮3, &a.按钮4};
       }},
      {"playlist",
       [&] {
         support::chooseMenuItem(window().显示播放列表);
         return fw::openWindow<PlaylistWindow>();
       },
       [](fw::Window& w) {
         auto& p = static_cast<PlaylistWindow&>(w);
         return Units{&p.列表框1, &p.编辑框1};
       }},
      {"DLNA",
       [&] {
         support::chooseMenuItem(window().播放到DLNA设备);
         return fw::openWindow<DlnaWindow>();
       },
       [](fw::Window& w) {
         auto& d = static_cast<DlnaWindow&>(w);
         return Units{&d.列表框1, &d.按钮1, &d.按钮2, &d.按钮3};
       }},
      {"audio device",
       [&] {
         support::chooseMenuItem(window().选择声音输出设备);
         return fw::openWindow<AudioDeviceWindow>();
       },
       [](fw::Window& w) {
         auto& d = static_cast<AudioDeviceWindow&>(w);
         return Units{&d.列表框1, &d.按钮1};
       }},
      {"live channels",
       [&]() -> fw::Window* {
         toggleReadout();   // the gesture that opens it works while the readout is on
         unlock();
         return live();
       },
       [](fw::Window& w) { return Units{&static_cast<LiveChannelWindow&>(w).树型框1}; }},
  };
  for (const auto& c : windows) {
    SCOPED_TRACE(c.name);
    fw::Window* w = c.open();
    ASSERT_NE(w, nullptr);
    const Units units = c.order(*w);
    const int n = static_cast<int>(units.size());
    EXPECT_EQ(focusIn(units), 0) << "opened";
    for (const fw::Unit* unit : units) EXPECT_TRUE(unit->takesFocus());
    ASSERT_TRUE(inFront(*w));

    std::vector<int> forward, backward, forwardWanted, backwardWanted;
    for (int i = 1; i <= n; ++i) {
      typeKeys({VK_TAB});
      forward.push_back(focusIn(units));
      forwardWanted.push_back(i % n);
    }
    for (int i = 1; i <= n; ++i) {
      typeKeys({VK_TAB}, true);
      backward.push_back(focusIn(units));
      backwardWanted.push_back((n - i) % n);
    }
    EXPECT_EQ(forward, forwardWanted) << "Tab";
    EXPECT_EQ(backward, backwardWanted) << "Shift+Tab";

    // Behind the main window and brought to the front again: the focus is
    // back on the unit that had it.
    if (n > 1) {
      typeKeys({VK_TAB});
      ASSERT_EQ(focusIn(units), 1);
    }
    ASSERT_TRUE(inFront(window()));
    ASSERT_TRUE(inFront(*w));
    EXPECT_EQ(focusIn(units), n > 1 ? 1 : 0) << "activated again";
    w->destroy();
    support::pumpMessages(30);
  }
}

TEST_F(WindowKeys, FocusedUnitsAnswerTheirKeysAndTheVideoKeepsItsTab) {
  writeSettings("[格式列表]\r\n.mp4\r\n.avi\r\n.mkv\r\n");

  // File types: arrows and Space tick an extension, Enter presses 全不选,
  // Esc closes the window from its focused grid.
  support::chooseMenuItem(window().关联文件类型);
  AssociationWindow* types = fw::openWindow<AssociationWindow>();
  ASSERT_NE(types, nullptr);
  ASSERT_TRUE(inFront(*types));
  auto ticks = [&] {
    std::vector<bool> values;
    for (int r = 1; r < types->高级表格1.rowCount(); ++r) values.push_back(types->高级表格1.cellTick(r, player::kTickColumn));
    return values;
  };
  typeKeys({VK_DOWN, VK_DOWN, VK_SPACE, VK_RIGHT, VK_DOWN, VK_SPACE});
  EXPECT_EQ(ticks(), (std::vector<bool>{false, true, true}));
  typeKeys({VK_TAB, VK_SPACE});   // 全选
  EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
  typeKeys({VK_TAB, VK_RETURN});  // 全不选
  EXPECT_EQ(ticks(), (std::vector<bool>{false, false, false}));
  typeKeys({VK_TAB}, true);
  typeKeys({VK_TAB}, true);
  ASSERT_EQ(GetFocus(), types->高级表格1.handle());
  typeKeys({VK_ESCAPE});
  EXPECT_EQ(fw::openWindow<AssociationWindow>(), nullptr);

  // DLNA: Enter and Space each press the focused 强制刷新.
  standin::setConfig("renderers", "TV;uuid-1|Box;uuid-2");
  standin::setConfig("discoveryDelay", "0");
  support::chooseMenuItem(window().播放到DLNA设备);
  DlnaWindow* dlna = fw::openWindow<DlnaWindow>();
  ASSERT_NE(dlna, nullptr);
  ASSERT_TRUE(inFront(*dlna));
  ASSERT_TRUE(support::waitUntil([&] { return dlna->列表框1.count() == 2; }, 3000));
  typeKeys({VK_HOME});
  EXPECT_EQ(dlna->列表框1.selectedLine(), 0);
  typeKeys({VK_DOWN, VK_DOWN});
  EXPECT_EQ(dlna->列表框1.selectedLine(), 1);
  typeKeys({VK_UP});
  EXPECT_EQ(dlna->列表框1.selectedLine(), 0);
  clearJournal();
  typeKeys({VK_TAB, VK_TAB});
  ASSERT_EQ(GetFocus(), dlna->按钮2.handle());
  typeKeys({VK_RETURN, VK_SPACE});
  EXPECT_EQ(itemsSet(engine::kDlnaRefresh), (std::vector<std::string>{"1", "1"}));
  dlna->destroy();

  // Live channels: Down moves the selection to the next item on show.
  toggleReadout();
  unlock();
  ASSERT_TRUE(inFront(*live()));
  tree().setSelection(0);
  auto next = reinterpret_cast<HTREEITEM>(SendMessageA(tree().handle(), TVM_GETNEXTITEM, TVGN_NEXTVISIBLE,
                                                       reinterpret_cast<LPARAM>(tree().itemHandle(0))));
  ASSERT_NE(next, nullptr);
  typeKeys({VK_DOWN});
  EXPECT_EQ(tree().itemHandle(tree().selection()), next);
  live()->destroy();

  // Playlist: what is typed after Tab is the search text.
  setPlaylist({"C:\\影片\\a.mp4", "C:\\影片\\b.avi"}, 1);
  support::chooseMenuItem(window().显示播放列表);
  PlaylistWindow* list = player::openPlaylistWindow();
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(inFront(*list));
  typeKeys({VK_TAB, 'A', 'V', 'I'});
  EXPECT_EQ(list->编辑框1.caption(), "avi");
  EXPECT_EQ(list->列表框1.count(), 1);
  EXPECT_EQ(list->列表框1.itemText(0), "C:\\影片\\b.avi");
  player::closePlaylistWindow();

  // The main window takes no part: Tab on the video is full screen still.
  ASSERT_TRUE(inFront(window()));
  SetFocus(engine().getWindow());   // as a click on the video does
  typeKeys({VK_TAB});
  settle();
  EXPECT_EQ(player::isFullScreen, 1);
  typeKeys({VK_ESCAPE});
  settle();
  EXPECT_EQ(player::isFullScreen, 0);
}

}  // namespace
}  // namespace keyboard
