#include <windows.h>

#include "conversion/conversion_program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return conversion::conversionProgramEntry(); }
