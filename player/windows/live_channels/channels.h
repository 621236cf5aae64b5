#pragma once
// The built-in channels in the order the tree shows them: two groups, each a
// root followed by its channels. The stream hosts are placeholders under
// domains reserved for documentation; real stream addresses go here.
#include <array>

namespace player::live {

enum class Kind {
  Group,     // a root: choosing it plays nothing
  Opens,     // opened in the engine at once
  Blocked,   // says why it is not offered
};

struct Channel {
  const char* text;
  Kind kind;
  const char* address = nullptr;   // Opens
  const char* caption = nullptr;   // Opens: the main window's caption, or none to keep it
  const char* message = nullptr;   // Blocked
};

#define QUORLE_ESPORTS(stream) "https://esports-live.example.com/origin.example.net/" stream
#define QUORLE_TV(name) "https://tv-hls.example.net/clive/" name "/index.m3u8"

inline constexpr std::array kChannels{
    Channel{"英雄联盟直播", Kind::Group},
    Channel{"LPL官方直播1080P", Kind::Opens, QUORLE_ESPORTS("764502578_3000p.xs"), "LPL直播1080P"},
    Channel{"LPL官方直播720P", Kind::Opens, QUORLE_ESPORTS("764502578_1500p.xs"), "LPL直播720P"},
    Channel{"CCTV央视直播", Kind::Group},
    Channel{"CCTV1", Kind::Opens, QUORLE_TV("cctv1_2")},
    Channel{"CCTV2", Kind::Opens, QUORLE_TV("cctv2_2")},
    Channel{"CCTV3", Kind::Opens, QUORLE_TV("cctv3_2")},
    Channel{"CCTV4", Kind::Opens, QUORLE_TV("cctv4_2")},
    Channel{"CCTV5", Kind::Blocked, nullptr, nullptr, "CCTV5已被央妈加密，不敢放.."},
    Channel{"CCTV6", Kind::Opens, QUORLE_TV("cctv6_2")},
    Channel{"CCTV7", Kind::Opens, QUORLE_TV("cctv7_2")},
    Channel{"CCTV8", Kind::Opens, QUORLE_TV("cctv8_2")},
    Channel{"CCTV9", Kind::Blocked, nullptr, nullptr, "CCTV9已被央妈加密，不敢放.."},
    Channel{"CCTV10", Kind::Opens, QUORLE_TV("cctv10_2")},
    Channel{"CCTV11", Kind::Opens, QUORLE_TV("cctv11_2")},
    Channel{"CCTV12", Kind::Opens, QUORLE_TV("cctv12_2")},
    Channel{"CCTV13", Kind::Opens, QUORLE_TV("cctv13_2")},
    Channel{"CCTV14", Kind::Blocked, nullptr, nullptr, "CCTV14已被央妈加密，不敢放.."},
    Channel{"CCTV15", Kind::Opens, QUORLE_TV("cctv15_2")},
    Channel{"CCTV17", Kind::Opens, QUORLE_TV("cctv17_2")},
};

#undef QUORLE_ESPORTS
#undef QUORLE_TV

}  // namespace player::live
