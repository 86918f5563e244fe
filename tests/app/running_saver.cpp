#include "tests/app/running_saver.h"

RunningSaver::RunningSaver(StandInMachine& machine, const wchar_t* commandLine,
                           RecordingShowOptions options)
    : saver(RecordingShows(shows, options), machine) {
  saver.CreateFromCommandLine(GetModuleHandleW(nullptr), commandLine);
}

RunningSaver::RunningSaver(StandInMachine& machine, const wchar_t* commandLine,
                           const ShowFactory& makeShow)
    : saver(makeShow, machine) {
  saver.CreateFromCommandLine(GetModuleHandleW(nullptr), commandLine);
}

RunningSaver::RunningSaver(StandInMachine& machine, const wchar_t* commandLine,
                           SoundOutput& sound)
    : saver(RecordingShows(shows), machine, sound) {
  saver.CreateFromCommandLine(GetModuleHandleW(nullptr), commandLine);
}

RunningSaver::~RunningSaver() {
  Cleanup3D(saver);
  for (MonitorInfo& monitor : saver.monitors) {
    if (monitor.window) DestroyWindow(monitor.window);
  }
  // Input messages of the test ask the loop to quit; nothing here runs that loop.
  PumpMessages();
}

void RunningSaver::StartDevices() {
  saver.timer.Reset();
  Init3D(saver);
}

void RunningSaver::StartDevicesOnTestClock(int64_t (*milliseconds)()) {
  saver.timer = AppTimer({milliseconds, 1000});
  saver.fullScreenSwapEffect = D3DSWAPEFFECT_COPY;
  StartDevices();
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void RunningSaver::RenderFrames(int count) {
  for (int i = 0; i < count; ++i) {
    PumpMessages();
    RenderFrame(saver);
  }
  PumpMessages();
}
