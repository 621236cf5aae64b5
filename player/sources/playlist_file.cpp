#include "framework/files.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/main/main_window.h"

namespace player {
namespace {

// Reads every line up to the end of the data (its real end, or a NUL or 0x1A
// byte, past which nothing is read).
template <class Take>
void forEachLine(fw::LineReader& reader, Take take) {
  while (!reader.atDataEnd()) take(reader.readLine());
}

// An existing file that is not a folder; unreadable attributes count as a folder.
bool namesExistingFile(const fw::Text& line) { return fw::isExistingFile(line); }

}  // namespace

void loadPlaylistFrom(const fw::Text& source, PlaylistSource kind) {
  playlist.clear();
  auto take = [](fw::Text line) {
    if (namesExistingFile(line)) playlist.push_back(std::move(line));
  };
  if (kind == PlaylistSource::File) {
    fw::InputFile file;
    if (!file.open(source)) return;
    forEachLine(file, take);
    file.close();
  } else {
    fw::MemoryFile memory;
    memory.write(source);
    forEachLine(memory, take);
  }
}

void loadPlaylistFileAndPlay() {
  fw::CommonDialog& dialog = mainWindow().通用对话框1;
  if (!dialog.show()) return;
  playlist.clear();
  fw::InputFile file;
  if (file.open(dialog.fileName())) {
    // Folders and matching wildcard patterns pass here too.
    forEachLine(file, [](fw::Text line) {
      if (fw::fileExists(line)) playlist.push_back(std::move(line));
    });
    file.close();
  }
  if (playlist.empty()) return;
  currentIndex = 1;
  playEntry(playlist[0]);
}

}  // namespace player
