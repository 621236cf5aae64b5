// The open commands of the menu 文件 > 打开: a chosen file, a typed address, a
// chosen folder's whole tree. Each ends in playEntry; a cancelled question
// changes nothing.
#include "framework/files.h"
#include "framework/modal.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/main/main_window.h"

namespace player {
namespace {

// The full path of the file chosen in 通用对话框1, or the empty text.
fw::Text askMediaFile() {
  fw::CommonDialog& dialog = mainWindow().通用对话框1;
  // The unit keeps the last chosen file in its name box; only the folder it
  // opens in follows the current directory.
  dialog.setInitialFolder(fw::currentDirectory());
  if (!dialog.show()) return fw::Text();
  return dialog.fileName();
}

void openFileAndPlay() {
  fw::Text path = askMediaFile();
  if (path.empty()) return;
  playlist.clear();
  playlist.push_back(std::move(path));
  currentIndex = 1;
  playEntry(playlist[0]);
}

}  // namespace

void onOpenFileMenu() { openFileAndPlay(); }

void openNetworkAddress() {
  fw::Text address;
  if (!fw::inputBox("请输入视频地址：", "打开多媒体文件", fw::Text(), address)) return;
  // Played exactly as typed; the playlist and its current entry stay, so the
  // next command goes on from there.
  if (!address.empty()) playEntry(address);
}

void openFolderAndPlay() {
  const fw::Text folder = fw::browseFolder("选择文件夹");
  if (folder.empty()) return;
  loadPlaylistFrom(listFolderTree({folder}), PlaylistSource::Text);
  if (playlist.empty()) return;
  currentIndex = 1;
  playEntry(playlist[0]);
}

}  // namespace player
