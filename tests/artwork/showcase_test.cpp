// A window with every unit kind and all the artwork, laid out like the player's
// windows. The test checks that every unit comes up; the child routine
// `showcase` keeps the window on screen so that it can be looked at:
//
//   artwork_tests.exe --child=showcase 20000
#include <gtest/gtest.h>

#include <string>

#include "assets/assets.h"
#include "framework/window.h"
#include "tests/support/child.h"
#include "tests/support/wait.h"

namespace {

constexpr fw::Rgb kBar{13, 13, 13};
constexpr fw::Rgb kPanel{60, 65, 68};
constexpr fw::Rgb kWhite{255, 255, 255};

struct ShowcaseWindow : fw::Window {
  ShowcaseWindow()
      : Window({.left = 20, .top = 20, .width = 1230, .height = 560, .caption = "Quorle播放器",
                .dragToMove = true, .background = fw::Rgb{24, 24, 26}}) {}

  // The main window's frame.
  fw::PictureBox 顶部背景{this, {.width = 800, .height = 40, .picture = assets::topBar, .carriesPictureEdges = true}};
  fw::PictureButton 图形按钮1{this, {.parent = &顶部背景, .top = -7, .width = 120, .height = 46,
                                 .picture = assets::logoButton, .hoverPicture = assets::logoButtonHover,
                                 .pressedPicture = assets::logoButtonPressed}};
  fw::TransparentLabel 电影名标签{this, {.parent = &顶部背景, .left = 183, .top = 12, .width = 434, .height = 24,
                                    .caption = "正在播放：示例影片.mp4", .textColour = kWhite,
                                    .align = fw::TextAlign::Centre, .enabled = false}};
  fw::PictureButton 最小化图形按钮{this, {.parent = &顶部背景, .left = 729, .width = 17, .height = 16,
                                   .picture = assets::minimiseButton, .hoverPicture = assets::minimiseButtonHover}};
  fw::PictureButton 最大化图形按钮{this, {.parent = &顶部背景, .left = 756, .width = 17, .height = 16,
                                   .picture = assets::maximiseButtonHover}};
  fw::PictureButton 关闭图形按钮{this, {.parent = &顶部背景, .left = 783, .width = 17, .height = 16,
                                  .picture = assets::closeButtonHover}};
  fw::Timer 时钟_标记播放进度{this, {.parent = &顶部背景, .left = 673, .top = 5, .width = 26, .height = 26}};
  fw::CommonDialog 通用对话框1{this, {.parent = &顶部背景, .left = 698, .top = 5, .width = 26, .height = 26}};
  fw::PictureBox 图片框1{this, {.top = 40, .width = 800, .height = 450, .picture = assets::videoLogo,
                                .background = kBar}};
  fw::PictureBox 图片框2{this, {.top = 490, .width = 800, .height = 70, .background = kBar}};
  fw::Slider 时长滑块条{this, {.parent = &图片框2, .width = 800, .height = 11, .maximum = 620, .position = 62,
                               .trackPicture = assets::durationTrack, .fillPicture = assets::durationFill,
                               .thumbPicture = assets::durationThumb}};
  fw::TransparentLabel 进度标签{this, {.parent = &图片框2, .left = 5, .top = 35, .width = 110, .height = 15,
                                  .caption = "00:01:02/00:10:20", .textColour = kWhite, .enabled = false}};
  fw::PictureButton 停止按钮{this, {.parent = &图片框2, .left = 246, .top = 24, .width = 38, .height = 38,
                                .picture = assets::stopButton}};
  fw::PictureButton 上一个按钮{this, {.parent = &图片框2, .left = 319, .top = 23, .width = 38, .height = 38,
                                 .picture = assets::previousButtonHover}};
  fw::PictureButton 暂停按钮{this, {.parent = &图片框2, .left = 375, .top = 14, .width = 49, .height = 49,
                                .picture = assets::playPauseButton}};
  fw::PictureButton 下一个按钮{this, {.parent = &图片框2, .left = 440, .top = 23, .width = 38, .height = 38,
                                 .picture = assets::nextButton}};
  fw::PictureButton 打开媒体文件按钮{this, {.parent = &图片框2, .left = 513, .top = 24, .width = 38, .height = 38,
                                    .picture = assets::openButton}};
  fw::PictureButton 音量按钮{this, {.parent = &图片框2, .left = 628, .top = 34, .width = 18, .height = 18,
                                .picture = assets::muteButton}};
  fw::Slider 音量滑块条{this, {.parent = &图片框2, .left = 650, .top = 37, .width = 100, .height = 10, .position = 80,
                               .trackPicture = assets::volumeTrack, .fillPicture = assets::volumeFill,
                               .thumbPicture = assets::volumeThumb}};
  fw::PictureButton 全屏按钮{this, {.parent = &图片框2, .left = 760, .top = 28, .width = 30, .height = 30,
                                .picture = assets::fullScreenButton}};
  fw::MenuItem 操作{this, {.caption = "操作", .visible = false}};
  fw::MenuItem 播放暂停{this, {.parent = &操作, .caption = "播放/暂停(&A)"}};

  // A playlist-like panel.
  fw::PictureBox 顶部图片框{this, {.left = 810, .top = 0, .width = 200, .height = 24, .background = kPanel}};
  fw::Label 标签2{this, {.parent = &顶部图片框, .width = 180, .height = 24, .caption = "总共 3 个视频 双击播放",
                         .textColour = kWhite}};
  fw::PictureButton 小关闭按钮{this, {.parent = &顶部图片框, .left = 183, .width = 17, .height = 16,
                                 .picture = assets::smallCloseButton}};
  fw::ListBox 列表框1{this, {.left = 810, .top = 24, .width = 200, .height = 200, .selection = fw::Selection::Extended,
                             .background = fw::Rgb{236, 236, 236}, .extraLineHeight = 1}};
  fw::PictureBox 底部图片框{this, {.left = 810, .top = 224, .width = 200, .height = 32, .background = kPanel}};
  fw::Label 标签1{this, {.parent = &底部图片框, .left = 4, .top = 8, .width = 35, .height = 20, .caption = "搜索：",
                         .textColour = kWhite}};
  fw::EditBox 编辑框1{this, {.parent = &底部图片框, .left = 40, .top = 6, .width = 110, .height = 20, .caption = "mp4"}};
  fw::PictureButton 图形按钮保存{this, {.parent = &底部图片框, .left = 167, .width = 32, .height = 32,
                                  .picture = assets::saveButton}};
  fw::TreeBox 树型框1{this, {.left = 810, .top = 264, .width = 200, .height = 256}};
  fw::Button 按钮1{this, {.left = 810, .top = 526, .width = 98, .height = 28, .caption = "确定"}};
  fw::Button 按钮2{this, {.left = 912, .top = 526, .width = 98, .height = 28, .caption = "强制刷新"}};

  // An association-like grid.
  fw::PictureBox 图片框3{this, {.left = 1018, .top = 0, .width = 212, .height = 24, .background = kPanel}};
  fw::Label 标签3{this, {.parent = &图片框3, .left = 60, .width = 100, .height = 24, .caption = "设置文件关联",
                         .textColour = kWhite, .align = fw::TextAlign::Centre}};
  fw::Grid 高级表格1{this, {.left = 1018, .top = 24, .width = 212, .height = 300, .columns = 3}};
  fw::Label 标签4{this, {.left = 1018, .top = 330, .width = 212, .height = 60,
                         .caption = "注意：某些类型的音乐，DLNA设备可能并不支持！", .textColour = fw::Rgb{230, 230, 230}}};
};

void fill(ShowcaseWindow& w) {
  for (const char* entry : {"C:\\影片\\a.avi", "C:\\影片\\b.MP4", "C:\\影片\\c.mp4"}) w.列表框1.addItem(entry);
  w.列表框1.setSelected(1, true);
  w.树型框1.addItem("英雄联盟直播");
  w.树型框1.addItem("LPL官方直播1080P", 0);
  w.树型框1.addItem("LPL官方直播720P", 0);
  w.树型框1.expand(0);
  const int cctv = w.树型框1.addItem("CCTV央视直播");
  for (const char* name : {"CCTV1", "CCTV2", "CCTV3"}) w.树型框1.addItem(name, cctv);
  w.树型框1.expand(cctv);
  w.树型框1.setSelection(2);
  fw::Grid& grid = w.高级表格1;
  grid.setCellText(0, 0, "ID");
  grid.setCellText(0, 1, "后缀名");
  grid.setCellText(0, 2, "关联");
  grid.setColumnWidth(0, 50);
  grid.setColumnWidth(1, 110);
  grid.setColumnWidth(2, 48);
  grid.setColumnType(2, fw::Grid::kTickColumn);
  int r = 0;
  for (const char* ext : {".mp4", ".avi", ".mkv", ".flv", ".rmvb", ".mp3"}) {
    grid.addRow();
    r = grid.rowCount() - 1;
    grid.setCellNumber(r, 0, r);
    grid.setCellText(r, 1, ext);
    grid.setCellTick(r, 2, r % 2 == 1);
  }
  grid.setCurrentCell(2, 1);
}

}  // namespace

QUORLE_CHILD(showcase) {
  ShowcaseWindow* w = nullptr;
  if (!fw::loadWindow<ShowcaseWindow>()) return 1;
  w = fw::openWindow<ShowcaseWindow>();
  fill(*w);
  support::pumpMessages(arguments.empty() ? 10000u : static_cast<unsigned>(std::stoul(arguments[0])));
  return 0;
}

TEST(Showcase, EveryUnitKindComesUpInOneWindow) {
  ASSERT_TRUE(fw::loadWindow<ShowcaseWindow>());
  ShowcaseWindow& w = *fw::openWindow<ShowcaseWindow>();
  fill(w);
  int withHandle = 0;
  for (fw::Unit* unit : w.units()) withHandle += unit->handle() != nullptr;
  // All but the timer, the common dialog and the two menu items are windows.
  EXPECT_EQ(withHandle, static_cast<int>(w.units().size()) - 4);
  EXPECT_EQ(w.树型框1.count(), 7);
  EXPECT_EQ(w.高级表格1.rowCount(), 7);
  support::pumpMessages(100);
}
