#pragma once
// The settings file "设置.txt" beside the program: INI keys of the sections
// 设置 and 播放, read and written through the profile functions at
// settingsPath, and lists of file extensions standing under their own header
// lines, read as plain lines.
#include "framework/text.h"

namespace player {

// One key of the settings file with the default its readers pass.
struct SettingKey {
  const char* section;
  const char* key;
  const char* defaultValue;
};

inline constexpr char kSettingsFileName[] = "设置.txt";

// The values read from section 设置 at start-up (only when the engine exists);
// 0 or the empty text until then.
extern int defaultVolume;            // 默认音量
extern int playerWidth;              // 播放器宽度: the remembered normal window size
extern int playerHeight;             // 播放器高度
extern int seekStepMs;               // 快进毫秒数
extern fw::Text autoSizeSetting;     // 自动调整尺寸
extern fw::Text audioDeviceSetting;  // 音频输出设备 as read at start-up
extern fw::Text overwriteOnDrop;     // 拖放时覆盖播放列表
extern fw::Text closeToTray;         // 关闭时最小化到托盘

// Section 设置.
inline constexpr SettingKey kHandOverLimitKey{"设置", "限定运行时间", "1000"};   // ms
inline constexpr SettingKey kDefaultVolumeKey{"设置", "默认音量", "80"};
inline constexpr SettingKey kPlayerWidthKey{"设置", "播放器宽度", "800"};        // pixels
inline constexpr SettingKey kPlayerHeightKey{"设置", "播放器高度", "560"};       // pixels
inline constexpr SettingKey kSeekStepKey{"设置", "快进毫秒数", "5000"};          // ms
inline constexpr SettingKey kAutoSizeKey{"设置", "自动调整尺寸", "假"};          // boolean
inline constexpr SettingKey kAudioDeviceKey{"设置", "音频输出设备", ""};         // a device name
inline constexpr SettingKey kOverwriteOnDropKey{"设置", "拖放时覆盖播放列表", "假"};   // boolean
inline constexpr SettingKey kCloseToTrayKey{"设置", "关闭时最小化到托盘", "假"};       // boolean
inline constexpr SettingKey kLoopModeKey{"设置", "循环模式", "0"};   // "0", "1" or "2"
// Section 播放: the last playback, written at shut-down while playing or paused.
inline constexpr SettingKey kLastFileKey{"播放", "上次播放文件", ""};
inline constexpr SettingKey kLastPositionKey{"播放", "上次播放位置", ""};   // ms; empty reads as 0

// Header lines of the extension lists; the entries are the lines after them
// that begin with ".".
inline constexpr char kDlnaSkipHeader[] = "[DLNA跳过音乐类型]";
inline constexpr char kDlnaConvertHeader[] = "[DLNA自动转换类型]";
inline constexpr char kFormatListHeader[] = "[格式列表]";

// The key's value from settingsPath, its default when the file or key is
// missing; cut to 10240 bytes with the terminating zero.
fw::Text readSetting(const SettingKey& key);
// The value by the text-to-integer rule: leading digits count, no digits give 0.
int readIntegerSetting(const SettingKey& key);
// Creates the file or the key when missing. Nobody looks at whether it worked.
// A value holding CR or LF is never written (fw::iniWrite).
void writeSetting(const SettingKey& key, const fw::Text& value);

// A boolean setting holds true only as the exact text "真".
bool isTrueSetting(const fw::Text& value);

// Appends to `list`, in file order, every run of entries under each line that
// equals `header` byte for byte. A run ends at the first line not beginning
// with "."; that line is consumed, so a header right after a run is missed.
// A missing file leaves the list as it was. The whole file is read: a NUL or
// 0x1A byte ends its line, not the file.
void scanLineList(const fw::Text& header, fw::TextArray& list);

// Fill dlnaSkipTypes and dlnaConvertTypes; once, at start-up.
void loadDlnaSkipTypes();
void loadDlnaConvertTypes();
// loopMode from 循环模式, any value but "1" or "2" taken as "0", and the check
// mark of the matching item under 循环模式 (the file is not corrected).
void loadLoopMode();

}  // namespace player
