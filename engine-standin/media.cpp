#include "media.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "config.h"
#include "wav.h"

namespace standin {
namespace {

struct KindDefaults {
  const char* extensions;  // blank-separated, lower case, each framed by blanks
  int64_t durationMs;
  int32_t width;
  int32_t height;
  const char* frameRate;
};

// Audio types have no video; the video types come in three sizes so that a
// host's sizing to the video can be seen at work.
constexpr KindDefaults kAudio{" mp3 wma flac ape aac ogg m4a amr ac3 mid midi mka opus wv dts ra ",
                              180000, 0, 0, "0.00"};
constexpr KindDefaults kFullHd{" mkv ts m2ts ", 1200000, 1920, 1080, "23.98"};
constexpr KindDefaults kHd{" mp4 mov m4v webm ", 600000, 1280, 720, "25.00"};
constexpr KindDefaults kOther{"", 300000, 640, 480, "29.97"};

const KindDefaults& defaultsFor(const Text& extension) {
  for (const KindDefaults* kind : {&kAudio, &kFullHd, &kHd}) {
    if (!extension.empty() && Text(kind->extensions).find(" " + extension + " ") != Text::npos) {
      return *kind;
    }
  }
  return kOther;
}

// The part after the last "\" or "/" (an address's query left out).
Text lastSegment(const Text& source) {
  Text path = source.substr(0, findByte(source, '?'));
  return path.substr(lastSegmentStart(path));
}

Text lowerExtension(const Text& name) {
  std::size_t dot = name.rfind('.');
  if (dot == Text::npos) return Text();
  Text extension = name.substr(dot + 1);
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return extension;
}

// "key.ext" first, then "key", then the built-in default.
Text lookUp(const char* key, const Text& extension, const Text& fallback) {
  Text specific = configValue(Text(key) + "." + extension);
  if (!specific.empty()) return specific;
  return configValue(key, fallback);
}

bool addressIsListed(const Text& address) {
  for (const Text& listed : splitAt(configValue("addresses"), '|')) {
    if (listed == "*" || listed == address) return true;
  }
  return false;
}

bool isExistingFile(const Text& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool isNetworkAddress(const Text& source) { return source.find("://") != Text::npos; }

std::optional<Medium> probeMedium(const Text& source) {
  Medium medium;
  medium.source = source;
  medium.name = lastSegment(source);
  const Text extension = lowerExtension(medium.name);
  const bool address = isNetworkAddress(source);
  if (address ? !addressIsListed(source) : !isExistingFile(source)) return std::nullopt;

  if (!address && extension == "wav") {
    std::optional<int64_t> duration = wavDurationMs(source);
    if (!duration) return std::nullopt;
    medium.isWav = true;
    medium.durationMs = *duration;
    medium.frameRate = "0.00";
    return medium;
  }

  const KindDefaults& kind = defaultsFor(extension);
  const Text durationText = lookUp("duration", extension, address ? "0" : std::to_string(kind.durationMs));
  medium.durationMs = std::max<int64_t>(0, std::strtoll(durationText.c_str(), nullptr, 10));
  medium.live = address && medium.durationMs == 0;
  const Text video = lookUp("video", extension, std::to_string(kind.width) + "x" + std::to_string(kind.height));
  int width = 0, height = 0;
  if (std::sscanf(video.c_str(), "%dx%d", &width, &height) == 2 && width > 0 && height > 0) {
    medium.width = width;
    medium.height = height;
  }
  medium.frameRate = lookUp("fps", extension, kind.frameRate);
  return medium;
}

bool convertMedium(const Medium& medium, const Text& destination) {
  if (medium.isWav) return CopyFileA(medium.source.c_str(), destination.c_str(), FALSE) != FALSE;
  return writeSilentWav(destination, medium.durationMs);
}

}  // namespace standin
