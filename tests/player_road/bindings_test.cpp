// Every unit and menu item of the main window that does something on its own,
// reached as the user reaches it: a press on the unit, or the command Windows
// sends when the item is chosen from its menu. Each row checks the engine call
// or effect the binding must cause, so a handler bound to the wrong unit fails
// here even when the handler itself is right. (The logo and open buttons only
// pop up their menus; the pop-up menu tests choose from them.)
#include <functional>
#include <string>
#include <vector>

#include "engine/engine_items.h"
#include "player/windows/playlist/playlist_window.h"
#include "tests/player_road/road_test.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace road {
namespace {

using Window = player::MainWindow;

struct Binding {
  const char* name;
  // What the user touches.
  std::function<void(Window&)> touch;
  // What must follow, with the three entries a, b, c and b playing.
  std::function<void(class BindingTest&)> expect;
  // The answer to the question it asks, if it asks one.
  std::function<void(support::ScriptedSeam&)> answer{};
};

void cancelFileDialog(support::ScriptedSeam& seam) { seam.fileAnswers.push_back(std::nullopt); }
void cancelInput(support::ScriptedSeam& seam) { seam.inputAnswers.push_back(std::nullopt); }
void cancelFolderDialog(support::ScriptedSeam& seam) { seam.folderAnswers.push_back(""); }

void press(const fw::Unit& unit) { support::click(unit.handle()); }

void choose(Window&, const fw::MenuItem& item) { support::chooseMenuItem(item); }

class BindingTest : public RoadTest, public ::testing::WithParamInterface<Binding> {
 public:
  void SetUp() override {
    RoadTest::SetUp();
    a = wav("a.wav");
    b = wav("b.wav");
    c = wav("c.wav");
    player::loopMode = "0";
    setPlaylist({a, b, c});
    ASSERT_TRUE(playIndex(2));
    clearJournal();
  }

  std::string a, b, c;

  using RoadTest::calls;
  using RoadTest::itemsSet;
  using RoadTest::opened;
  using RoadTest::seam;
  using RoadTest::window;
};

void expectClosed(BindingTest& t) {
  EXPECT_EQ(t.calls("APlayer_Close").size(), 1u);
  EXPECT_EQ(t.window().进度标签.caption(), "00:00:00/00:00:00");
  EXPECT_TRUE(t.opened().empty());
}

void expectPaused(BindingTest& t) {
  EXPECT_EQ(t.calls("APlayer_Pause").size(), 1u);
  EXPECT_TRUE(t.calls("APlayer_Close").empty());
}

void expectEnded(BindingTest& t) {
  EXPECT_TRUE(t.seam.ended);
  EXPECT_EQ(t.seam.exitCode, 0);
  EXPECT_EQ(t.calls("APlayer_Close").size(), 1u);
}

std::function<void(BindingTest&)> expectLoopMode(const char* mode) {
  return [mode](BindingTest& t) {
    EXPECT_EQ(player::loopMode, mode);
    EXPECT_EQ(t.window().顺序播放.checked(), std::string(mode) == "0");
    EXPECT_EQ(t.window().随机播放.checked(), std::string(mode) == "1");
    EXPECT_EQ(t.window().单曲循环.checked(), std::string(mode) == "2");
  };
}

void expectPrevious(BindingTest& t) { EXPECT_EQ(t.opened(), std::vector<std::string>{t.a}); }
void expectNext(BindingTest& t) { EXPECT_EQ(t.opened(), std::vector<std::string>{t.c}); }

const Binding kBindings[] = {
    // ---- units of the bottom bar ----
    {"StopButton", [](Window& w) { press(w.停止按钮); }, expectClosed},
    {"PreviousButton", [](Window& w) { press(w.上一个按钮); }, expectPrevious},
    {"PlayPauseButton", [](Window& w) { press(w.暂停按钮); }, expectPaused},
    {"NextButton", [](Window& w) { press(w.下一个按钮); }, expectNext},
    {"MuteButton", [](Window& w) { press(w.音量按钮); },
     [](BindingTest& t) {
       ASSERT_EQ(t.calls("APlayer_SetVolume").size(), 1u);
       EXPECT_EQ(t.calls("APlayer_SetVolume")[0].at(2), "0");
       EXPECT_EQ(t.window().音量滑块条.position(), 0);
     }},
    {"FullScreenButton", [](Window& w) { press(w.全屏按钮); },
     [](BindingTest&) { EXPECT_EQ(player::isFullScreen, 1); }},
    // ---- units of the top bar ----
    {"MinimiseButton", [](Window& w) { press(w.最小化图形按钮); },
     [](BindingTest& t) { EXPECT_TRUE(IsIconic(t.window().handle())); }},
    {"MaximiseButton", [](Window& w) { press(w.最大化图形按钮); },
     [](BindingTest& t) { EXPECT_TRUE(IsZoomed(t.window().handle())); }},
    {"CloseButton", [](Window& w) { press(w.关闭图形按钮); }, expectEnded},
    // ---- menu 文件 ----
    {"OpenFileItem", [](Window& w) { choose(w, w.打开文件); },
     [](BindingTest& t) {
       ASSERT_EQ(t.seam.calls.size(), 1u);
       EXPECT_EQ(t.seam.calls[0].kind, support::ScriptedSeam::Call::File);
       EXPECT_TRUE(t.opened().empty()) << "cancelled: nothing plays";
     },
     cancelFileDialog},
    {"OpenAddressItem", [](Window& w) { choose(w, w.打开网络文件); },
     [](BindingTest& t) {
       ASSERT_EQ(t.seam.calls.size(), 1u);
       EXPECT_EQ(t.seam.calls[0].caption, "打开多媒体文件");
       EXPECT_TRUE(t.opened().empty()) << "cancelled: nothing plays";
     },
     cancelInput},
    {"OpenFolderItem", [](Window& w) { choose(w, w.打开文件夹); },
     [](BindingTest& t) {
       ASSERT_EQ(t.seam.calls.size(), 1u);
       EXPECT_EQ(t.seam.calls[0].text, "选择文件夹");
       EXPECT_TRUE(t.opened().empty()) << "cancelled: nothing plays";
     },
     cancelFolderDialog},
    {"LoadPlaylistItem", [](Window& w) { choose(w, w.载入播放列表); },
     [](BindingTest& t) {
       ASSERT_EQ(t.seam.calls.size(), 1u);
       EXPECT_EQ(t.seam.calls[0].kind, support::ScriptedSeam::Call::File);
       EXPECT_TRUE(t.opened().empty()) << "cancelled: nothing plays";
     },
     cancelFileDialog},
    {"ShowPlaylistItem", [](Window& w) { choose(w, w.显示播放列表); },
     [](BindingTest&) {
       EXPECT_NE(player::openPlaylistWindow(), nullptr);
       EXPECT_FALSE(player::playlistWindowOpen) << "only F3 on the video sets it";
     }},
    {"SequentialItem", [](Window& w) { choose(w, w.顺序播放); }, expectLoopMode("0")},
    {"RandomItem", [](Window& w) { choose(w, w.随机播放); }, expectLoopMode("1")},
    {"RepeatOneItem", [](Window& w) { choose(w, w.单曲循环); }, expectLoopMode("2")},
    {"DlnaItem", [](Window& w) { choose(w, w.播放到DLNA设备); },
     [](BindingTest& t) {
       // The DLNA device window opened: its created event starts the discovery.
       EXPECT_EQ(t.itemsSet(engine::kDlnaDiscover), std::vector<std::string>{"1"});
       EXPECT_TRUE(t.calls("APlayer_Close").empty());
     }},
    {"ResumeItem", [](Window& w) { choose(w, w.继续上一次的播放); },
     [](BindingTest& t) {
       EXPECT_EQ(t.seam.messageTexts(), std::vector<std::string>{"没有记录上次播放的文件！"});
       EXPECT_TRUE(t.opened().empty());
     }},
    {"CloseVideoItem", [](Window& w) { choose(w, w.关闭视频); }, expectClosed},
    {"ExitProgramItem", [](Window& w) { choose(w, w.退出程序); }, expectEnded},
    // ---- menu 操作 ----
    {"PlayPauseItem", [](Window& w) { choose(w, w.播放暂停); }, expectPaused},
    {"NextItem", [](Window& w) { choose(w, w.下一个); }, expectNext},
    {"PreviousItem", [](Window& w) { choose(w, w.上一个); }, expectPrevious},
    {"TypedPositionItem", [](Window& w) { choose(w, w.手动定位); },
     [](BindingTest& t) {
       ASSERT_EQ(t.seam.calls.size(), 1u);
       EXPECT_EQ(t.seam.calls[0].kind, support::ScriptedSeam::Call::Input);
       EXPECT_EQ(t.seam.calls[0].caption, "手动输入播放位置");
       EXPECT_EQ(t.calls("APlayer_Pause").size(), 1u);
       EXPECT_TRUE(t.calls("APlayer_SetPosition").empty()) << "cancelled: no seek";
     },
     cancelInput},
    {"FrameRateItem", [](Window& w) { choose(w, w.显示关闭实时帧率); },
     [](BindingTest& t) { EXPECT_EQ(t.window().实时帧率时钟.interval(), 1000); }},
    {"ExitItem", [](Window& w) { choose(w, w.退出); }, expectEnded},
};

TEST_P(BindingTest, CausesItsOwnEffect) {
  const Binding& binding = GetParam();
  if (binding.answer) binding.answer(seam);
  binding.touch(window());
  settle();
  binding.expect(*this);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, BindingTest, ::testing::ValuesIn(kBindings),
                         [](const ::testing::TestParamInfo<Binding>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace road
