// The preview starts Direct3D only once its start-up timer has fired, half a second after its
// window appeared inside the host.
#include <gtest/gtest.h>

#include <string>

#include "app/moire_screensaver.h"
#include "tests/app/recording_show.h"
#include "tests/app/running_saver.h"

namespace {

// Notes what the saver had done by the time it asked for Direct3D.
class WatchedMachine : public StandInMachine {
public:
  WatchedMachine()
      : StandInMachine({{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}},
                       {OnlyAdapter()}) {}
  static StandInAdapter OnlyAdapter() {
    StandInAdapter adapter;
    adapter.monitor = 0;
    return adapter;
  }
  IDirect3D9* CreateDirect3D() override {
    askedAt = GetTickCount();
    windowThen = saver && saver->mainWindow && IsWindow(saver->mainWindow);
    waitingThen = saver && saver->previewWait;
    return StandInMachine::CreateDirect3D();
  }
  const CD3DScreensaver* saver = nullptr;
  DWORD askedAt = 0;
  bool windowThen = false, waitingThen = true;
};

TEST(Preview, StartsDirect3DOnlyAfterItsStartUpTimer) {
  HWND host = CreateWindowExW(0, L"STATIC", L"preview host", WS_POPUP | WS_VISIBLE, 200, 150, 320,
                              240, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(nullptr, host);
  WatchedMachine machine;
  std::vector<std::shared_ptr<ShowRecord>> shows;
  CMoireScreensaver saver(RecordingShows(shows), machine);
  machine.saver = &saver;
  const std::wstring commandLine =
      L"saver.scr /p " + std::to_wstring(reinterpret_cast<UINT_PTR>(host));
  const DWORD started = GetTickCount();
  saver.CreateFromCommandLine(GetModuleHandleW(nullptr), commandLine.c_str());
  ASSERT_NE(0u, machine.askedAt) << "Direct3D was never asked for";
  EXPECT_TRUE(machine.windowThen) << "the preview window comes first";
  EXPECT_FALSE(machine.waitingThen) << "the timer had fired";
  // The tick count moves in steps of up to 16 ms.
  EXPECT_GE(machine.askedAt - started + 16, 500u);
  EXPECT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
  if (IsWindow(saver.mainWindow)) DestroyWindow(saver.mainWindow);
  DestroyWindow(host);
  PumpMessages();
}

}  // namespace
