#pragma once
// Host programs started from a test, as Wine starts a Unix program: for what
// Wine itself cannot do (links on the host's file system).
#include <string>

namespace support {

// The host's path of a Windows path, through Wine's own translation, as wide
// text (the host's path is UTF-8); empty when Wine cannot translate it.
std::wstring hostPath(const std::string& path);

// Windows text (code page `codePage`) as wide text.
std::wstring wideText(const std::string& text, unsigned codePage);

// Starts a host program (its host path) with wide arguments, which Wine hands
// it as UTF-8. Wine gives back no exit code for one, so callers wait for what
// it does. False when it could not be started.
bool startHostProgram(const std::wstring& program, const std::wstring& arguments);

}  // namespace support
