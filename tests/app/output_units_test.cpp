// Several monitors through the stand-in machine: one output unit, window, device and screen
// player per monitor in use, each player with its own copy of the show; monitors left black,
// without an adapter or without a usable device get a black window and no unit.
#include <gtest/gtest.h>

#include <cwchar>
#include <set>

#include "app/saver_codes.h"
#include "show/document_load_failure.h"
#include "tests/app/registry_sandbox.h"
#include "tests/app/recording_sound_output.h"
#include "tests/app/running_saver.h"
#include "tools/screen_capture/screen_capture.h"

namespace {

// n monitors tiled over the screen in rows of three.
std::vector<RECT> TiledMonitors(int count) {
  const int width = GetSystemMetrics(SM_CXSCREEN) / 3, height = GetSystemMetrics(SM_CYSCREEN) / 3;
  std::vector<RECT> rects;
  for (int i = 0; i < count; ++i) {
    const int x = (i % 3) * width, y = (i / 3) * height;
    rects.push_back({x, y, x + width, y + height});
  }
  return rects;
}

std::vector<StandInAdapter> OneAdapterPerMonitor(int count) {
  std::vector<StandInAdapter> adapters(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) adapters[static_cast<size_t>(i)].monitor = i;
  return adapters;
}

std::vector<StandInAdapter> WithoutSoftwareDevices(int count) {
  std::vector<StandInAdapter> adapters = OneAdapterPerMonitor(count);
  for (StandInAdapter& adapter : adapters) adapter.withoutSoftwareDevice = true;
  return adapters;
}

uint32_t ScreenColorAtCentre(const RECT& rect) {
  const Screenshot shot = CaptureScreen(rect);
  return shot.pixels.empty() ? 0xDEADBEEF : shot.At(shot.width / 2, shot.height / 2);
}

// The screen is read while the saver goes on rendering: what Present shows reaches the
// display a little later.
uint32_t ScreenColorWhileRendering(RunningSaver& running, const RECT& rect, D3DCOLOR expected) {
  uint32_t color = 0;
  for (int attempt = 0; attempt < 60; ++attempt) {
    color = ScreenColorAtCentre(rect);
    if (color == (expected & 0xFFFFFF)) break;
    running.RenderFrames(1);
    Sleep(50);
  }
  return color;
}

// The same for a saver whose loop has stopped drawing: only the messages are handled.
uint32_t ScreenColorOnceShown(const RECT& rect, D3DCOLOR expected) {
  uint32_t color = 0;
  for (int attempt = 0; attempt < 40; ++attempt) {
    color = ScreenColorAtCentre(rect);
    if (color == (expected & 0xFFFFFF)) break;
    PumpMessages();
    Sleep(50);
  }
  return color;
}

uint32_t Rgb(D3DCOLOR color) { return color & 0xFFFFFF; }

TEST(OutputUnits, NineMonitorsPlayNineCopiesOfTheShow) {
  StandInMachine machine(TiledMonitors(9), OneAdapterPerMonitor(9));
  RunningSaver running(machine, L"saver.scr /s");
  CMoireScreensaver& saver = running.saver;
  ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
  running.StartDevices();
  ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
  ASSERT_EQ(9, saver.unitCount);

  running.RenderFrames(3);  // splash, load, first frame of the show
  std::set<IDirect3DDevice9*> devices;
  for (int i = 0; i < 9; ++i) {
    const OutputUnit& unit = saver.units[i];
    EXPECT_EQ(static_cast<UINT>(i), unit.monitorIndex);
    EXPECT_TRUE(unit.created && unit.restored);
    devices.insert(unit.device);
    const ShowRecord& show = *running.shows[static_cast<size_t>(i)];
    EXPECT_EQ(1, show.loads) << "player " << i << " loads its own copy once";
    EXPECT_EQ(unit.device, show.loadedOn) << "player " << i << " loads on its own device";
    EXPECT_EQ(1, show.renders) << "player " << i;
    EXPECT_TRUE(saver.players[static_cast<size_t>(i)]->sceneStarted);
  }
  EXPECT_EQ(9u, devices.size());
  EXPECT_EQ(0, running.shows[9]->loads) << "the tenth player is never used";
  for (int i = 0; i < 9; ++i) {
    const D3DCOLOR expected = RecordingShowColor(static_cast<size_t>(i));
    EXPECT_EQ(Rgb(expected),
              ScreenColorWhileRendering(running, saver.monitors[i].screenRect, expected))
        << "monitor " << i << " shows its own player's frame";
  }
}

struct BlackMonitorCase {
  const char* name;
  int monitors;
  std::vector<StandInAdapter> adapters;
  bool leaveMonitor1Black;
  bool disableHardwareOfMonitor1;
};

TEST(OutputUnits, MonitorsWithoutAUnitStayBlack) {
  const BlackMonitorCase cases[] = {
      {"left black by the user", 3, OneAdapterPerMonitor(3), true, false},
      {"hardware disabled and no software device", 3, WithoutSoftwareDevices(3), false, true},
      {"no adapter drives it", 3, {OneAdapterPerMonitor(3)[0], OneAdapterPerMonitor(3)[2]}, false,
       false},
  };
  for (const BlackMonitorCase& c : cases) {
    StandInMachine machine(TiledMonitors(c.monitors), c.adapters);
    RunningSaver running(machine, L"saver.scr /s");
    CMoireScreensaver& saver = running.saver;
    const int adapter1 = saver.monitors[1].adapterIndex;
    if (adapter1 >= 0) {
      saver.adapters[adapter1]->leaveBlack = c.leaveMonitor1Black;
      saver.adapters[adapter1]->disableHardware = c.disableHardwareOfMonitor1;
    }
    running.StartDevices();
    ASSERT_FALSE(saver.errorMode) << c.name << std::hex << saver.errorCode;
    ASSERT_EQ(2, saver.unitCount) << c.name;
    EXPECT_EQ(0u, saver.units[0].monitorIndex) << c.name;
    EXPECT_EQ(2u, saver.units[1].monitorIndex) << c.name;
    running.RenderFrames(3);
    EXPECT_EQ(1, running.shows[0]->renders) << c.name;
    EXPECT_EQ(1, running.shows[1]->renders) << c.name << ": unit 1 plays on monitor 2";
    EXPECT_EQ(0, running.shows[2]->loads) << c.name;
    ASSERT_NE(nullptr, saver.monitors[1].window) << c.name << ": the monitor still gets a window";
    EXPECT_EQ(Rgb(RecordingShowColor(1)),
              ScreenColorWhileRendering(running, saver.monitors[2].screenRect, RecordingShowColor(1)))
        << c.name;
    EXPECT_EQ(0u, ScreenColorAtCentre(saver.monitors[1].screenRect)) << c.name;
  }
}

// The help texts promise a software renderer where the hardware cannot run the show.
TEST(OutputUnits, AnAdapterWithoutAUsableHardwareDevicePlaysOnItsSoftwareDevice) {
  const struct {
    const char* mode;
    const wchar_t* commandLine;
  } cases[] = {{"test window", L"saver.scr /t"}, {"full screen", L"saver.scr /s"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    std::vector<StandInAdapter> adapters = OneAdapterPerMonitor(1);
    adapters[0].withoutHardwareDevice = true;
    StandInMachine machine(TiledMonitors(1), adapters);
    RunningSaver running(machine, c.commandLine);
    CMoireScreensaver& saver = running.saver;
    ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
    ASSERT_FALSE(saver.adapters[0]->hardwareUsable);
    running.StartDevices();
    ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
    ASSERT_EQ(1, saver.unitCount);
    EXPECT_EQ(D3DDEVTYPE_SW, saver.units[0].deviceType);
    running.RenderFrames(3);
    EXPECT_EQ(1, running.shows[0]->renders);
  }
}

// The second monitor's show fails in the frame where the first one draws its first picture:
// that picture still reaches the first monitor.
TEST(OutputUnits, AUnitEnteringErrorModeLeavesTheOthersTheirFrame) {
  StandInMachine machine(TiledMonitors(2), OneAdapterPerMonitor(2));
  RecordingShowOptions options;
  options.throwingMoveShow = 1;
  RunningSaver running(machine, L"saver.scr /s", options);
  CMoireScreensaver& saver = running.saver;
  running.StartDevices();
  running.RenderFrames(3);  // splash, load, the first frame of the show
  ASSERT_TRUE(saver.errorMode);
  EXPECT_EQ(1, running.shows[0]->renders);
  EXPECT_EQ(0, running.shows[1]->renders);
  EXPECT_EQ(Rgb(RecordingShowColor(0)),
            ScreenColorOnceShown(saver.monitors[0].screenRect, RecordingShowColor(0)))
      << "the first monitor's frame was presented";
}

// The second screen reports its device lost after the first has drawn: neither frame reaches
// its screen, and the next frame presents both.
TEST(OutputUnits, ALostDeviceOnTheSecondScreenSkipsThePresentsOfBoth) {
  StandInMachine machine(TiledMonitors(2), OneAdapterPerMonitor(2));
  RunningSaver running(machine, L"saver.scr /s");
  CMoireScreensaver& saver = running.saver;
  running.StartDevices();
  running.RenderFrames(2);  // splash, load
  ASSERT_EQ(2, saver.unitCount);
  machine.scriptedLevels = {D3D_OK, D3DERR_DEVICELOST};
  running.RenderFrames(1);
  ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
  EXPECT_EQ(1, running.shows[0]->renders) << "the first screen is drawn before the second is asked";
  EXPECT_EQ(0, running.shows[1]->renders);
  EXPECT_NE(Rgb(RecordingShowColor(0)),
            ScreenColorOnceShown(saver.monitors[0].screenRect, RecordingShowColor(0)))
      << "the first screen's frame was presented although the second device was lost";

  running.RenderFrames(1);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(Rgb(RecordingShowColor(i)),
              ScreenColorOnceShown(saver.monitors[i].screenRect, RecordingShowColor(i)))
        << "monitor " << i << " after the device came back";
  }
}

// A stored mode whose full-screen device cannot be made steps down by area until a device can
// be made; only a mode found by stepping down is stored, for the next start.
TEST(OutputUnits, AFailingFullScreenModeStepsDownAndTheModeThatWorkedIsStored) {
  const wchar_t* const sandboxPath = L"Software\\Vantorel\\Brindlewick Tests\\Step Down\\";
  struct Size {
    UINT width, height;
  };
  struct Case {
    const char* name;
    UINT largestArea;
    std::vector<Size> tried;
    bool stored;
  };
  const Case cases[] = {
      {"every mode works", 0, {{1600, 1200}}, false},
      {"up to 1024 x 768 work", 1024 * 768, {{1600, 1200}, {1280, 1024}, {1024, 768}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RegistrySandbox sandbox(sandboxPath);
    std::vector<StandInAdapter> adapters = OneAdapterPerMonitor(1);
    for (const Size& size : std::vector<Size>{{800, 600}, {1600, 1200}, {1024, 768}, {1280, 1024},
                                              {640, 480}}) {
      adapters[0].modes.push_back({size.width, size.height, 60, D3DFMT_X8R8G8B8});
    }
    adapters[0].largestFullScreenArea = c.largestArea;
    StandInMachine machine(TiledMonitors(1), adapters);
    RunningSaver running(machine, L"saver.scr /s");
    CMoireScreensaver& saver = running.saver;
    std::wcscpy(saver.settingsKeyPath, sandbox.Path().c_str());
    AdapterInfo& adapter = *saver.adapters[0];
    adapter.userWidth = 1600;
    adapter.userHeight = 1200;
    adapter.userFormat = D3DFMT_X8R8G8B8;
    running.StartDevices();
    ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
    ASSERT_EQ(1, saver.unitCount);

    ASSERT_EQ(c.tried.size(), machine.fullScreenRequests.size());
    for (size_t i = 0; i < c.tried.size(); ++i) {
      EXPECT_EQ(c.tried[i].width, machine.fullScreenRequests[i].width) << "request " << i;
      EXPECT_EQ(c.tried[i].height, machine.fullScreenRequests[i].height) << "request " << i;
    }
    const Size& worked = c.tried.back();
    EXPECT_EQ(worked.width, adapter.userWidth);
    EXPECT_EQ(worked.height, adapter.userHeight);
    if (c.stored) {
      EXPECT_EQ(worked.width, sandbox.Dword(L"Screen 1", L"Width"));
      EXPECT_EQ(worked.height, sandbox.Dword(L"Screen 1", L"Height"));
      EXPECT_EQ(static_cast<DWORD>(D3DFMT_X8R8G8B8), sandbox.Dword(L"Screen 1", L"Format"));
      EXPECT_EQ(16u, sandbox.Binary(L"Screen 1", L"Adapter ID").value_or(std::vector<BYTE>()).size());
    } else {
      EXPECT_FALSE(sandbox.HasKey(L"Screen 1")) << "the first mode that works is not stored";
    }
    running.RenderFrames(3);
    EXPECT_EQ(1, running.shows[0]->renders) << "the unit plays in the mode that worked";
  }
}

constexpr int FileCompleted = 1;  // EC_COMPLETE

// Both players start their first file on the one sound output; between frames the current
// player is that of the last unit, so the end of a file moves on through its playlist only.
TEST(OutputUnits, SoundEventsReachTheLastUnitsPlayer) {
  StandInMachine machine(TiledMonitors(2), OneAdapterPerMonitor(2));
  RecordingSoundOutput output;
  RunningSaver running(machine, L"saver.scr /s", output);
  CMoireScreensaver& saver = running.saver;
  std::vector<std::shared_ptr<ShowRecord>>& shows = running.shows;
  for (size_t i = 0; i < 2; ++i) {
    const std::wstring unit = std::to_wstring(i + 1);
    shows[i]->music = {DataBlob{L"C:\\Nowhere\\first of unit " + unit + L".wav", {}},
                       DataBlob{L"C:\\Nowhere\\second of unit " + unit + L".wav", {}}};
  }
  running.StartDevices();
  ASSERT_EQ(2, saver.unitCount);
  running.RenderFrames(3);  // splash, load, a frame
  ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
  ASSERT_EQ(2u, output.played.size());

  saver.OnMediaEvent(FileCompleted);
  running.RenderFrames(1);
  saver.OnMediaEvent(FileCompleted);
  const std::vector<kq_string> expected = {
      shows[0]->music[0].name, shows[1]->music[0].name, shows[1]->music[1].name,
      shows[1]->music[0].name};
  EXPECT_EQ(expected, output.played);
}

TEST(OutputUnits, CleanupReleasesEveryDeviceObjectAndDirect3DOnce) {
  StandInMachine machine(TiledMonitors(2), OneAdapterPerMonitor(2));
  RecordingShowOptions options;
  options.holdsDefaultPoolTexture = true;
  RunningSaver running(machine, L"saver.scr /s", options);
  running.StartDevices();
  running.RenderFrames(3);
  IDirect3DDevice9* device = running.saver.units[0].device;
  device->AddRef();
  Cleanup3D(running.saver);
  EXPECT_EQ(0u, device->Release()) << "nothing of the players keeps the device alive";
  EXPECT_EQ(0, running.saver.unitCount);
  EXPECT_EQ(0u, machine.Direct3DReferencesHeldBySaver());
  for (const auto& show : running.shows) {
    EXPECT_EQ(nullptr, show->defaultPoolTexture);
  }
  Cleanup3D(running.saver);  // a second teardown finds nothing left to release
  EXPECT_EQ(0u, machine.Direct3DReferencesHeldBySaver());
}

// Input arrives while a frame or a device creation is under way (messages are sent to the
// window procedure from inside Direct3D calls): it only asks the loop to quit, and the devices
// stay until the loop has ended.
TEST(OutputUnits, InputLeavesTheDevicesToTheLoop) {
  StandInMachine machine(TiledMonitors(2), OneAdapterPerMonitor(2));
  RunningSaver running(machine, L"saver.scr /s");
  CMoireScreensaver& saver = running.saver;
  running.StartDevices();
  running.RenderFrames(3);
  SendMessageW(saver.monitors[1].window, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(saver.monitors[0].window, WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_TRUE(saver.quitRequested);
  EXPECT_EQ(2, saver.unitCount);
  EXPECT_NE(nullptr, saver.units[0].device);
  MSG quit;
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the loop is told";
  running.RenderFrames(1);
  EXPECT_EQ(2, running.shows[1]->renders) << "the frame under way finishes on live devices";
}

TEST(OutputUnits, AShowThatCannotLoadPutsTheSaverIntoErrorMode) {
  struct LoadFailure {
    const char* name;
    RecordingShowOptions options;
    HRESULT expected;
  };
  RecordingShowOptions missing, throwing;
  missing.loadResult = DocumentLoadFailure;
  throwing.throwsOnLoad = true;
  const LoadFailure cases[] = {
      {"the document resource is missing", missing, DocumentLoadFailure},
      {"the reader throws", throwing, E_FAIL},
  };
  for (const LoadFailure& c : cases) {
    StandInMachine machine = OneMonitorMachine();
    RunningSaver running(machine, L"saver.scr /s", c.options);
    running.StartDevices();
    running.RenderFrames(3);
    EXPECT_TRUE(running.saver.errorMode) << c.name;
    EXPECT_EQ(c.expected, running.saver.errorCode) << c.name;
    EXPECT_EQ(0, running.shows[0]->frameMoves) << c.name << ": nothing is played";
    UpdateErrorDisplay(running.saver);
    EXPECT_EQ(0, running.saver.unitCount) << c.name << ": the devices go";
    wchar_t expectedText[400];
    running.saver.ErrorText(c.expected, expectedText, 400);
    EXPECT_STREQ(expectedText, running.saver.errorText) << c.name;
  }
}

}  // namespace
