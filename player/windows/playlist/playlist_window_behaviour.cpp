// The playlist window's handlers: the list built from the window's copy of the
// playlist, the search, playing and deleting entries, the save, the layout and
// the grip.
#include "player/windows/playlist/playlist_window_behaviour.h"

#include <windows.h>

#include <algorithm>

#include "framework/corner_grip.h"
#include "framework/files.h"
#include "framework/modal.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/playlist/playlist_window.h"

namespace player {

bool playlistWindowOpen = false;
fw::TextArray playlistCopy;
int playlistChanged = 0;

namespace {

// How often the open window looks at playlistChanged.
constexpr int kRefreshInterval = 200;
constexpr int kCloseButtonFromRight = 17;

PlaylistWindow& window() { return *openPlaylistWindow(); }

// Every line of the list: `keep` says which elements of the copy get one; a
// line's value is its element's index.
template <class Keep>
void fillList(Keep keep) {
  std::vector<fw::ListBox::Line> lines;
  lines.reserve(playlistCopy.size());
  for (std::size_t i = 0; i < playlistCopy.size(); ++i) {
    if (keep(playlistCopy[i])) lines.push_back({&playlistCopy[i], static_cast<int>(i) + 1});
  }
  window().列表框1.replaceItems(lines);
}

// currentIndex once the doomed elements are gone: the same entry, moved down by
// those deleted before it; for a deleted current entry, the place it leaves.
int currentIndexAfter(const std::vector<bool>& doomed) {
  const bool alreadyRemoved = removedEntryPlace() != 0;
  const int at = alreadyRemoved ? removedEntryPlace() : currentIndex;
  if (at < 1) return currentIndex;   // no entry was current yet
  const auto reach = static_cast<std::ptrdiff_t>(std::min(doomed.size(), static_cast<std::size_t>(at) - 1));
  const int before = static_cast<int>(std::count(doomed.begin(), doomed.begin() + reach, true));
  const bool currentGoes = !alreadyRemoved && static_cast<std::size_t>(at) <= doomed.size() &&
                           doomed[static_cast<std::size_t>(at) - 1];
  if (alreadyRemoved || currentGoes) return removedEntryIndex(at - before);
  return at - before;
}

// True when the line's entry index still names, in the playlist, the text the
// line shows (the copy's element): false once the playlist has changed there
// since the last refresh (a Delete whose lines go only at the next tick, a
// playlist file loaded behind the window's back).
bool shownStillThere(int index) {
  const fw::Text* entry = playlistEntry(index);
  return entry != nullptr && static_cast<std::size_t>(index) <= playlistCopy.size() &&
         *entry == playlistCopy[static_cast<std::size_t>(index) - 1];
}

// Removes the entries of the selected lines from the playlist. A line whose
// entry is no longer there removes nothing, rather than someone else's entry.
void deleteSelectedEntries() {
  fw::ListBox& list = window().列表框1;
  const std::vector<int> lines = list.selectedLines();
  if (lines.empty()) return;
  std::vector<bool> doomed(playlist.size(), false);
  for (int line : lines) {
    const int index = list.itemValue(line);
    if (shownStillThere(index)) doomed[static_cast<std::size_t>(index) - 1] = true;
  }
  // One pass, however many lines were selected.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < playlist.size(); ++i) {
    if (doomed[i]) continue;
    if (kept != i) playlist[kept] = std::move(playlist[i]);
    ++kept;
  }
  playlist.resize(kept);
  currentIndex = currentIndexAfter(doomed);
  if (playlist.empty()) list.clear();
  // The lines themselves go at the next tick, which rebuilds the list.
  playlistChanged = 1;
}

fw::Bytes playlistFileBytes(const fw::TextArray& entries) {
  fw::Bytes bytes;
  for (const fw::Text& entry : entries) bytes += entry + "\r\n";
  return bytes;
}

}  // namespace

void resetPlaylistWindowState() {
  playlistWindowOpen = false;
  fw::TextArray().swap(playlistCopy);
  playlistChanged = 0;
}

bool showPlaylistWindow() { return fw::loadWindow<PlaylistWindow>(); }

void closePlaylistWindow() { fw::destroyWindow<PlaylistWindow>(); }

PlaylistWindow* openPlaylistWindow() { return fw::openWindow<PlaylistWindow>(); }

void onPlaylistWindowCreated() {
  playlistChanged = 0;
  refreshPlaylistView();
  window().列表框1.setCaretLine(currentIndex - 1);
}

void onPlaylistWindowDestroyed() { playlistWindowOpen = false; }

void refreshPlaylistView() {
  PlaylistWindow& w = window();
  playlistCopy = playlist;
  if (!playlistCopy.empty()) {
    fillList([](const fw::Text&) { return true; });
    w.标签2.setCaption("总共 " + fw::intToText(static_cast<int64_t>(playlistCopy.size())) + " 个视频 双击播放");
  }
  w.时钟1.setInterval(kRefreshInterval);
}

void onPlaylistWindowTimer() {
  fw::Timer& timer = window().时钟1;
  timer.setInterval(0);
  if (playlistChanged == 1) {
    refreshPlaylistView();
    playlistChanged = 0;
  }
  timer.setInterval(kRefreshInterval);
}

void filterPlaylistView() {
  if (playlistCopy.empty()) return;
  PlaylistWindow& w = window();
  const fw::Text search = w.编辑框1.caption();
  fillList([&search](const fw::Text& entry) { return fw::findNoCase(entry, search) != fw::Text::npos; });
  w.标签2.setCaption("总共" + fw::intToText(static_cast<int64_t>(playlistCopy.size())) + "个文件，当前筛选出 " +
                     fw::intToText(w.列表框1.count()) + " 个 双击播放");
}

void playSelectedEntry() {
  fw::ListBox& list = window().列表框1;
  const std::vector<int> lines = list.selectedLines();
  if (lines.empty()) return;
  const int index = list.itemValue(lines.front());
  // A line whose entry is gone from its index plays nothing: neither the
  // entry that now stands there, nor the gone one under another's index.
  if (!shownStillThere(index)) return;
  currentIndex = index;
  // A copy: playing may replace the element (a conversion before casting).
  playEntry(playlist[static_cast<std::size_t>(index) - 1]);
}

void onPlaylistDoubleClick() { playSelectedEntry(); }

void onPlaylistKeyDown(int key, int) {
  if (key == VK_RETURN) playSelectedEntry();
  if (key == VK_DELETE) deleteSelectedEntries();
}

void savePlaylistFile() {
  PlaylistWindow& w = window();
  // What counts is the lines on show: a search that shows none has nothing to save.
  if (w.列表框1.count() == 0) {
    fw::messageBox("当前播放列表为空，无法保存！");
    return;
  }
  fw::CommonDialog& dialog = w.通用对话框1;
  dialog.setInitialFolder(fw::currentDirectory());
  dialog.setFileName(kPlaylistFileName);
  if (!dialog.showSave()) return;
  // The whole copy, whatever the search shows.
  if (fw::writeWholeFile(dialog.fileName(), playlistFileBytes(playlistCopy))) {
    fw::messageBox("播放列表文件保存成功！", "保存成功", MB_ICONINFORMATION);
  } else {
    fw::messageBox("文件保存失败！", "失败", MB_ICONSTOP);
  }
}

void layoutPlaylistWindow() {
  PlaylistWindow& w = window();
  const int width = w.width();
  const int height = w.height();
  // The bars keep their heights; the list takes what they leave.
  w.底部图片框.setBounds(0, height - w.底部图片框.height(), width, w.底部图片框.height());
  w.顶部图片框.setBounds(0, 0, width, w.顶部图片框.height());
  w.列表框1.setBounds(0, w.顶部图片框.height(), width, height - w.顶部图片框.height() - w.底部图片框.height());
  w.标签2.setWidth(w.顶部图片框.width());
  w.关闭图形按钮.setBounds(w.顶部图片框.width() - kCloseButtonFromRight, 0, w.关闭图形按钮.width(),
                           w.关闭图形按钮.height());
}

void updatePlaylistMoveMode(int x, int y, int) {
  fw::updateMoveModeOverGrip(window().底部图片框, x, y, fw::AwayFromGrip::MoveOn);
}

void onPlaylistLabelMouseMove(int, int, int) { window().setDragToMove(true); }

void startPlaylistResize(int x, int y, int) {
  PlaylistWindow& w = window();
  // Each size change of the resize lays the window out.
  if (fw::inCornerGrip(w.底部图片框, x, y)) fw::resizeFromBottomRight(w);
}

}  // namespace player
