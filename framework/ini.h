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
// Whether iniRead gives the value back byte for byte once it is written. The
// profile functions drop blanks and control characters at either end and a
// pair of quotes around the whole value, keep a line only to its break, turn
// the text into wide characters and back (a byte that is no character of the
// code page changes), and the read cuts to its buffer. So: no byte below 0x20
// and no 0x7F anywhere, no blank at either end, not inside a pair of matching
// quotes, every character one of the code page, shorter than the buffer.
bool iniValueReadsBack(const Text& value);
// Creates the file or key when missing. The write's result. A section, key or
// value that does not fit one line is not written (false): its line break would
// put lines, keys or sections of its own into the file.
bool iniWrite(const Text& file, const Text& section, const Text& key, const Text& value);

}  // namespace fw
