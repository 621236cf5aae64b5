#include <windows.h>

#include "player/app/app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return player::programEntry(); }
