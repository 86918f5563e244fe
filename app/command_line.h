// The saver mode from the command line the screensaver host gives the program.
#pragma once

#include <windows.h>

enum class SaverMode : int {
  Configuration = 0,
  Preview = 1,
  FullScreen = 2,
  TestWindow = 3,
  PasswordChange = 4,
  StartOnly = 5,  // letter r: start up and exit without showing anything
};

// Reads the switch after the program name; `parent` gets the window number of a, c and p
// (null when the number is missing or is no 32-bit window handle).
SaverMode ParseCommandLine(const wchar_t* commandLine, HWND* parent);
