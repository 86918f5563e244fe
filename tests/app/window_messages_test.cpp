// What the saver's windows do with input in each mode: which messages end the saver, which
// are swallowed, and the mouse-move count.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/moire_screensaver.h"
#include "tests/app/recording_show.h"
#include "tests/app/stand_in_machine.h"

namespace {

struct MessageCase {
  SaverMode mode;
  UINT message;
  WPARAM wParam;
  bool quits;
};

const MessageCase Cases[] = {
    {SaverMode::FullScreen, WM_KEYDOWN, VK_SPACE, true},
    {SaverMode::FullScreen, WM_SYSKEYDOWN, VK_MENU, true},
    {SaverMode::FullScreen, WM_LBUTTONDOWN, 0, true},
    {SaverMode::FullScreen, WM_RBUTTONDOWN, 0, true},
    {SaverMode::FullScreen, WM_MBUTTONDOWN, 0, true},
    {SaverMode::FullScreen, WM_XBUTTONDOWN, 0, true},
    {SaverMode::FullScreen, WM_ACTIVATEAPP, FALSE, true},
    {SaverMode::FullScreen, WM_ACTIVATEAPP, TRUE, false},
    {SaverMode::FullScreen, WM_POWERBROADCAST, PBT_APMSUSPEND, true},
    {SaverMode::FullScreen, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, false},
    {SaverMode::FullScreen, WM_SYSCOMMAND, SC_CLOSE, false},
    {SaverMode::FullScreen, WM_DESTROY, 0, false},
    {SaverMode::TestWindow, WM_KEYDOWN, VK_SPACE, false},
    {SaverMode::TestWindow, WM_LBUTTONDOWN, 0, false},
    {SaverMode::TestWindow, WM_ACTIVATEAPP, FALSE, false},
    {SaverMode::TestWindow, WM_POWERBROADCAST, PBT_APMSUSPEND, true},
    {SaverMode::TestWindow, WM_DESTROY, 0, true},
    {SaverMode::Preview, WM_KEYDOWN, VK_SPACE, false},
    {SaverMode::Preview, WM_LBUTTONDOWN, 0, false},
    {SaverMode::Preview, WM_ACTIVATEAPP, FALSE, false},
    {SaverMode::Preview, WM_POWERBROADCAST, PBT_APMSUSPEND, false},
    {SaverMode::Preview, WM_DESTROY, 0, true},
};

// A quit request posts WM_QUIT to this thread; the next case must not see it.
void DropQuitMessage() {
  MSG message;
  PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

struct IdleSaver {
  explicit IdleSaver(SaverMode mode) : machine(OneMonitorMachine()), saver(RecordingShows(shows), machine) {
    saver.saverMode = mode;
  }
  ~IdleSaver() { DropQuitMessage(); }
  std::vector<std::shared_ptr<ShowRecord>> shows;
  StandInMachine machine;
  CMoireScreensaver saver;
};

TEST(WindowMessages, EndTheSaverOnlyWhereTheModeAllows) {
  for (const MessageCase& c : Cases) {
    IdleSaver idle(c.mode);
    idle.saver.HandleWindowMessage(nullptr, c.message, c.wParam, 0);
    EXPECT_EQ(c.quits, idle.saver.quitRequested)
        << "mode " << static_cast<int>(c.mode) << ", message 0x" << std::hex << c.message
        << ", wParam " << c.wParam;
  }
}

TEST(WindowMessages, FullScreenSwallowsWindowSwitchingCommands) {
  IdleSaver idle(SaverMode::FullScreen);
  for (WPARAM command : {SC_NEXTWINDOW, SC_PREVWINDOW, SC_CLOSE, SC_SCREENSAVE}) {
    EXPECT_EQ(0, idle.saver.HandleWindowMessage(nullptr, WM_SYSCOMMAND, command, 0));
  }
  EXPECT_EQ(1, idle.saver.HandleWindowMessage(nullptr, WM_ERASEBKGND, 0, 0));
  EXPECT_FALSE(idle.saver.quitRequested);
}

TEST(WindowMessages, TheSixthNewMousePositionEndsTheFullScreenSaver) {
  IdleSaver idle(SaverMode::FullScreen);
  idle.saver.lastMousePosition = {10, 10};
  auto move = [&](int x, int y) {
    idle.saver.HandleWindowMessage(nullptr, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  };
  for (int i = 0; i < 20; ++i) move(10, 10);  // the pointer where it was: no move
  for (int i = 1; i <= 5; ++i) {
    move(10 + i, 10);
    move(10 + i, 10);
  }
  EXPECT_EQ(5u, idle.saver.mouseMoveCount);
  EXPECT_FALSE(idle.saver.quitRequested);
  move(-5, -5);  // positions are signed: off the left of the primary monitor
  EXPECT_TRUE(idle.saver.quitRequested);
}

TEST(WindowMessages, AQuitRequestIsMadeOnce) {
  IdleSaver idle(SaverMode::FullScreen);
  idle.saver.HandleWindowMessage(nullptr, WM_KEYDOWN, VK_SPACE, 0);
  idle.saver.HandleWindowMessage(nullptr, WM_LBUTTONDOWN, 0, 0);
  MSG message;
  int quits = 0;
  while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) ++quits;
  EXPECT_EQ(1, quits);
}

}  // namespace

namespace {

constexpr UINT ThrowingMessage = WM_APP + 7;

class ThrowingSaver : public CMoireScreensaver {
public:
  ThrowingSaver(const ShowFactory& shows, SaverPlatform& platform)
      : CMoireScreensaver(shows, platform) {}
  LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == ThrowingMessage) throw std::runtime_error("handler failed");
    return CMoireScreensaver::HandleWindowMessage(window, message, wParam, lParam);
  }
};

TEST(WindowMessages, AnExceptionNeverLeavesTheWindowProcedure) {
  std::vector<std::shared_ptr<ShowRecord>> shows;
  StandInMachine machine = OneMonitorMachine();
  ThrowingSaver saver(RecordingShows(shows), machine);
  saver.saverMode = SaverMode::TestWindow;
  saver.instance = GetModuleHandleW(nullptr);
  ASSERT_EQ(S_OK, CreateSaverWindows(saver));
  EXPECT_EQ(1, SendMessageW(saver.mainWindow, ThrowingMessage, 0, 0)) << "answered 1";
  DestroyWindow(saver.mainWindow);
  DropQuitMessage();
}

// Without any window nothing could end the saver loop, so the saver ends at once.
TEST(SaverStart, WithoutAnyWindowTheSaverEndsAtOnce) {
  std::vector<std::shared_ptr<ShowRecord>> shows;
  StandInMachine machine({}, {});
  CMoireScreensaver saver(RecordingShows(shows), machine);
  saver.CreateFromCommandLine(GetModuleHandleW(nullptr), L"saver.scr /s");
  EXPECT_EQ(nullptr, saver.mainWindow);
  EXPECT_TRUE(saver.errorMode);
  EXPECT_EQ(E_FAIL, saver.errorCode) << "no full-screen window could be made";
  const DWORD start = GetTickCount();
  EXPECT_EQ(0, saver.Run());
  EXPECT_LT(GetTickCount() - start, 2000u);
}

}  // namespace
