#pragma once
// The stand-in's settings from the host's environment.
#include "types.h"

namespace standin {

// The variable's value in code page 936 bytes, "" when it is not set. Read
// through the wide form and converted with the ANSI code page, as the programs
// read such values: Wine's GetEnvironmentVariableA cuts a value holding
// double-byte characters to as many bytes as it has characters.
Text environmentValue(const wchar_t* name);

}  // namespace standin
