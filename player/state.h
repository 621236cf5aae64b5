#pragma once
// The player's module-level state: every variable lives from start-up to the end
// of the process. Lists and objects are built by constructGlobals before any
// window exists; everything else starts as 0, false or the empty text.
#include <array>
#include <cstdint>

#include "engine/player_engine.h"
#include "framework/text.h"

namespace player {

using fw::Text;
using fw::TextArray;

extern PlayerEngine* playerEngine;   // the one engine binding object
extern int engineReady;              // what create returned at start-up; 0: no engine
extern Text settingsPath;            // full path of "设置.txt", built once at start-up

extern TextArray playlist;           // entries (paths or addresses); indexed from 1 by currentIndex
extern int currentIndex;             // 1-based index of the current entry; 0 before any
extern Text loopMode;                // "0" sequential, "1" random, "2" repeat one
extern int reachedByNext;            // the entry was started by the next command in sequential mode
extern int openPending;              // an open waits for its first report of playback

extern TextArray dlnaSkipTypes;      // extensions not cast to a DLNA renderer
extern TextArray dlnaConvertTypes;   // extensions converted before casting
extern int hintDuration;             // ms an on-video hint stays; 5000 once the engine exists
extern fw::Bytes logoPicture;        // the video area's picture, taken at start-up

extern int defaultVolume;            // 默认音量
extern int playerWidth;              // 播放器宽度: the remembered normal window size
extern int playerHeight;             // 播放器高度
extern int seekStepMs;               // 快进毫秒数
extern Text autoSizeSetting;         // 自动调整尺寸
extern Text audioDeviceSetting;      // 音频输出设备 as read at start-up
extern Text overwriteOnDrop;         // 拖放时覆盖播放列表
extern Text closeToTray;             // 关闭时最小化到托盘

extern int isFullScreen;             // the main window is in full screen
extern int savedLeft, savedTop, savedWidth, savedHeight;   // place before full screen
extern int gripResizing;             // a resize from the corner grip is running

extern std::array<int, 4> durationParts;   // hours, minutes, seconds, ms of the open medium
extern int64_t durationMs;                 // duration of the open medium

extern bool playlistWindowOpen;      // opened by F3 on the video and still exists
extern TextArray playlistCopy;       // the playlist window's own copy
extern int playlistChanged;          // the playlist window must refresh

extern TextArray droppedFiles;       // paths of the last drop
extern int dropPending;              // a drop waits to be taken

extern bool liveChannelsUnlocked;
extern TextArray liveChannelAddresses;
extern Text progId;
extern Text playerExePath;
extern TextArray formatExtensions;

// The playlist element at a 1-based index, or nullptr when the index names none.
Text* playlistEntry(int index);

}  // namespace player
