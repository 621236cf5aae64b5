#pragma once
// INI items through the Windows profile functions.
#include "text.h"

namespace fw {

// Values are cut to the 10240-byte buffer (with its zero). Blanks and control
// characters at the start of file name, section and key are skipped first.
Text iniRead(const Text& file, const Text& section, const Text& key, const Text& defaultValue);
// Creates the file or key when missing. The write's result.
bool iniWrite(const Text& file, const Text& section, const Text& key, const Text& value);

}  // namespace fw
