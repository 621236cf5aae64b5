#pragma once
// INI items through the Windows profile functions.
#include "text.h"

namespace fw {

// Values are cut to the 10240-byte buffer (with its zero). Blanks and control
// characters at the start of file name, section and key are skipped first.
Text iniRead(const Text& file, const Text& section, const Text& key, const Text& defaultValue);
// Whether the text stays on the one line of its item in an INI file: it holds
// no CR and no LF.
bool fitsOneIniLine(const Text& text);
// Creates the file or key when missing. The write's result. A section, key or
// value that does not fit one line is not written (false): its line break would
// put lines, keys or sections of its own into the file.
bool iniWrite(const Text& file, const Text& section, const Text& key, const Text& value);

}  // namespace fw
