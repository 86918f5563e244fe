// The application in configuration mode on a stand-in machine, its display settings kept under
// a test's registry key instead of the product's.
#pragma once

#include <cwchar>

#include "app/moire_screensaver.h"
#include "tests/app/recording_show.h"
#include "tests/app/stand_in_machine.h"

struct ConfiguredSaver {
  ConfiguredSaver(StandInMachine& machine, const wchar_t* settingsKey)
      : saver(RecordingShows(shows), machine) {
    std::wcscpy(saver.settingsKeyPath, settingsKey);
    saver.CreateFromCommandLine(GetModuleHandleW(nullptr), L"saver.scr /c");
  }
  std::vector<std::shared_ptr<ShowRecord>> shows;
  CMoireScreensaver saver;
};
