// A saver started in the test's own process on a stand-in machine, so a test can run its
// frames one by one and look at every unit, player and window.
#pragma once

#include <memory>
#include <vector>

#include "app/moire_screensaver.h"
#include "tests/app/recording_show.h"
#include "tests/app/stand_in_machine.h"

class RunningSaver {
public:
  RunningSaver(StandInMachine& machine, const wchar_t* commandLine, RecordingShowOptions options = {});
  RunningSaver(StandInMachine& machine, const wchar_t* commandLine, const ShowFactory& shows);
  // Recording shows whose players play their music on `sound`.
  RunningSaver(StandInMachine& machine, const wchar_t* commandLine, SoundOutput& sound);
  ~RunningSaver();

  // Init3D, as the saver loop does first.
  void StartDevices();
  // The same on a clock of milliseconds that the test sets, with full-screen back buffers that
  // keep what was presented, so each unit's frame can be read once the frame has ended.
  void StartDevicesOnTestClock(int64_t (*milliseconds)());
  // Renders `count` frames, handling the window messages between them.
  void RenderFrames(int count);

  std::vector<std::shared_ptr<ShowRecord>> shows;
  CMoireScreensaver saver;
};

void PumpMessages();
