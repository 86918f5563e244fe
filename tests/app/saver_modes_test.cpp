// Every mode of the saver end to end: the program is started with its switch as the
// screensaver host starts it, and the test looks at its windows, the screen and its exit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "app/error_box_paint.h"
#include "tests/app/saver_copy.h"
#include "tests/app/saver_paths.h"
#include "tools/saver_process/saver_process.h"
#include "tools/screen_capture/screen_capture.h"

namespace {

constexpr DWORD StartTimeoutMs = 20000;
constexpr DWORD ExitTimeoutMs = 5000;

std::wstring Saver() { return SaverWindowsPath(); }

std::wstring Number(HWND window) {
  return std::to_wstring(static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window)));
}

RECT ScreenRectOf(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&client, origin.x, origin.y);
  return client;
}

bool IsBlack(uint32_t pixel) { return (pixel & 0xFFFFFF) == 0; }

// The show, not the splash: the splash is a centred square on black, so a corner that is not
// black is a frame of the show.
bool IsShowFrame(const Screenshot& shot) {
  return !shot.pixels.empty() && !IsBlack(shot.At(2, 2)) &&
         !IsBlack(shot.At(shot.width - 3, shot.height - 3));
}

bool ShowsTheShow(const RECT& area) { return IsShowFrame(CaptureScreen(area)); }

// How many colours a grid of 32 x 24 probes finds: a picture gives hundreds, a cleared screen one.
size_t ColoursOnAGrid(const Screenshot& shot) {
  std::set<uint32_t> colours;
  for (int gy = 0; gy < 24; ++gy) {
    for (int gx = 0; gx < 32; ++gx) {
      colours.insert(shot.At((2 * gx + 1) * shot.width / 64, (2 * gy + 1) * shot.height / 48));
    }
  }
  return colours.size();
}

size_t PixelsThatDiffer(const Screenshot& a, const Screenshot& b) {
  if (a.pixels.size() != b.pixels.size()) return a.pixels.size();
  size_t differing = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) {
    differing += (a.pixels[i] & 0xFFFFFF) != (b.pixels[i] & 0xFFFFFF);
  }
  return differing;
}

HWND OnlyWindow(const SaverProcess& saver, HWND parent = nullptr) {
  const std::vector<HWND> windows = saver.SaverWindows(parent);
  return windows.size() == 1 ? windows[0] : nullptr;
}

// Starts the saver full screen and waits until its show is on the whole screen.
HWND StartFullScreenShow(SaverProcess& saver) {
  HWND window = nullptr;
  EXPECT_TRUE(WaitUntil([&] { return (window = OnlyWindow(saver)) != nullptr; }, StartTimeoutMs));
  if (!window) return nullptr;
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(0, rect.left);
  EXPECT_EQ(0, rect.top);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), rect.right);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), rect.bottom);
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(WaitUntil([&] { return ShowsTheShow(rect); }, StartTimeoutMs))
      << "the screen shows the show after the splash";
  return window;
}

void PostMouseMove(HWND window, int i) {
  PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(100 + 17 * i, 200 + 11 * i));
}

// Moves the real pointer, as a user's hand would.
void MovePointer(int i) {
  SetCursorPos(100 + 17 * i, 200 + 11 * i);
  KeepHandlingMessages(100);
}

struct EndingCase {
  const char* name;
  void (*end)(HWND);
};

const EndingCase EndingCases[] = {
    {"a key", [](HWND w) { PostMessageW(w, WM_KEYDOWN, VK_SPACE, 0); }},
    {"a mouse click", [](HWND w) { PostMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }},
    {"the sixth mouse position", [](HWND) { MovePointer(6); }},
};

TEST(FullScreen, CoversTheScreenWithTheShowAndEndsOnInput) {
  for (const EndingCase& c : EndingCases) {
    SaverProcess saver(Saver(), L"/s");
    ASSERT_TRUE(saver.Started()) << c.name;
    HWND window = StartFullScreenShow(saver);
    ASSERT_NE(nullptr, window) << c.name;
    // Five changes of position, each repeated, and the system commands change nothing.
    for (int i = 1; i <= 5; ++i) {
      MovePointer(i);
      MovePointer(i);
    }
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageW(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    EXPECT_FALSE(saver.WaitForExit(c.end == EndingCases[0].end ? 5000 : 1500))
        << c.name << ": the saver survives without input";
    c.end(window);
    EXPECT_TRUE(saver.WaitForExit(ExitTimeoutMs)) << c.name;
    EXPECT_EQ(0u, saver.ExitCode()) << c.name;
  }
}

// Seconds into the first slide the screen shows its picture, which the camera moves on: the
// slide show plays, not a cleared screen or a still.
TEST(FullScreen, PlaysTheShowWhosePictureDrifts) {
  SaverProcess saver(Saver(), L"/s");
  ASSERT_TRUE(saver.Started());
  HWND window = StartFullScreenShow(saver);
  ASSERT_NE(nullptr, window);
  KeepHandlingMessages(3000);
  const Screenshot first = CaptureWholeScreen();
  KeepHandlingMessages(1000);
  const Screenshot later = CaptureWholeScreen();
  ASSERT_FALSE(first.pixels.empty());
  EXPECT_TRUE(IsShowFrame(first)) << "neither black nor the splash";
  EXPECT_GT(ColoursOnAGrid(first), 100u) << "a picture, not a flat colour";
  EXPECT_GT(PixelsThatDiffer(first, later), first.pixels.size() / 4) << "the picture drifts";

  PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(saver.WaitForExit(ExitTimeoutMs));
  EXPECT_EQ(0u, saver.ExitCode());
}

// A window of the test that plays the display-properties dialog's preview area.
class PreviewHost {
public:
  PreviewHost() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"BrindlewickPreviewHost";
    RegisterClassW(&windowClass);
    window = CreateWindowExW(0, windowClass.lpszClassName, L"preview host",
                             WS_POPUP | WS_VISIBLE, 200, 150, 320, 240, nullptr, nullptr,
                             windowClass.hInstance, nullptr);
  }
  ~PreviewHost() {
    if (IsWindow(window)) DestroyWindow(window);
  }
  HWND window;
};

TEST(Preview, DrawsInsideTheHostIgnoresInputAndEndsWithIt) {
  PreviewHost host;
  ASSERT_NE(nullptr, host.window);
  SaverProcess saver(Saver(), L"/p " + Number(host.window));
  HWND child = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (child = OnlyWindow(saver, host.window)) != nullptr; },
                        StartTimeoutMs));
  EXPECT_EQ(host.window, GetParent(child));
  RECT hostClient, childClient;
  GetClientRect(host.window, &hostClient);
  GetClientRect(child, &childClient);
  EXPECT_TRUE(EqualRect(&hostClient, &childClient)) << "the preview fills the host's client area";
  EXPECT_TRUE(WaitUntil([&] { return ShowsTheShow(ScreenRectOf(host.window)); }, StartTimeoutMs));

  PostMessageW(child, WM_KEYDOWN, VK_SPACE, 0);
  PostMessageW(child, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  for (int i = 1; i <= 8; ++i) PostMouseMove(child, i);
  EXPECT_FALSE(saver.WaitForExit(2000)) << "input never ends a preview";

  DestroyWindow(host.window);
  EXPECT_TRUE(saver.WaitForExit(ExitTimeoutMs));
  EXPECT_EQ(0u, saver.ExitCode());
}

TEST(Preview, WithoutALiveHostWindowEndsAtOnce) {
  const wchar_t* const switches[] = {L"/p", L"/p 123456789", L"/p 99999999999999"};
  for (const wchar_t* arguments : switches) {
    SaverProcess saver(Saver(), arguments);
    EXPECT_TRUE(saver.WaitForExit(ExitTimeoutMs)) << testing::PrintToString(arguments);
    EXPECT_EQ(0u, saver.ExitCode());
  }
}

TEST(TestWindow, Shows600By400IgnoresInputAndEndsWhenClosed) {
  SaverProcess saver(Saver(), L"/t");
  HWND window = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (window = OnlyWindow(saver)) != nullptr; }, StartTimeoutMs));
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(600, client.right);
  EXPECT_EQ(400, client.bottom);
  wchar_t title[64];
  GetWindowTextW(window, title, 64);
  EXPECT_STREQ(L"Brindlewick", title);
  EXPECT_TRUE(WaitUntil([&] { return ShowsTheShow(ScreenRectOf(window)); }, StartTimeoutMs));

  PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  for (int i = 1; i <= 8; ++i) PostMouseMove(window, i);
  EXPECT_FALSE(saver.WaitForExit(2000)) << "the test window ignores input";

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(saver.WaitForExit(ExitTimeoutMs));
  EXPECT_EQ(0u, saver.ExitCode());
}

TEST(StartOnly, ExitsAtOnceWithoutAWindow) {
  SaverProcess saver(Saver(), L"/r");
  bool sawWindow = false;
  EXPECT_TRUE(WaitUntil(
      [&] {
        sawWindow = sawWindow || !saver.SaverWindows().empty();
        return saver.WaitForExit(0);
      },
      ExitTimeoutMs));
  EXPECT_FALSE(sawWindow);
  EXPECT_EQ(0u, saver.ExitCode());
}

std::string ReadFile(const std::wstring& path) {
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (!file) return "";
  char text[256] = {};
  const size_t length = std::fread(text, 1, sizeof text - 1, file);
  std::fclose(file);
  return std::string(text, length);
}

// Wine loads the stand-in mpr.dll from the program's folder when told so for that program.
class NativeMprFor {
public:
  explicit NativeMprFor(const std::wstring& programName)
      : key_(L"Software\\Wine\\AppDefaults\\" + programName) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, (key_ + L"\\DllOverrides").c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
      const wchar_t native[] = L"native";
      RegSetValueExW(key, L"mpr", 0, REG_SZ, reinterpret_cast<const BYTE*>(native), sizeof native);
      RegCloseKey(key);
    }
  }
  ~NativeMprFor() { RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }

private:
  std::wstring key_;
};

TEST(PasswordChange, AsksMprForTheScreensaverPassword) {
  SaverCopy copy(L"password");
  ASSERT_TRUE(CopyFileW(WindowsPathOf(BRINDLEWICK_MPR_STUB_PATH).c_str(),
                        (copy.Folder() + L"\\mpr.dll").c_str(), FALSE));
  const std::wstring log = copy.Folder() + L"\\mpr.log";
  NativeMprFor nativeMpr(L"password.scr");
  PreviewHost owner;
  SetEnvironmentVariableW(L"BRINDLEWICK_MPR_LOG", log.c_str());
  SaverProcess saver(copy.Program(), L"/a " + Number(owner.window));
  EXPECT_TRUE(saver.WaitForExit(ExitTimeoutMs));
  EXPECT_EQ(0u, saver.ExitCode());
  const std::string expected =
      "SCRSAVE " + std::to_string(reinterpret_cast<ULONG_PTR>(owner.window)) + " 0 0";
  EXPECT_EQ(expected, ReadFile(log)) << "PwdChangePasswordA(\"SCRSAVE\", parent, 0, 0)";
  EXPECT_TRUE(saver.SaverWindows().empty());
}

TEST(PasswordChange, WithTheSystemsMprEndsQuietly) {
  SaverProcess saver(Saver(), L"/a 0");
  EXPECT_TRUE(saver.WaitForExit(ExitTimeoutMs));
  EXPECT_EQ(0u, saver.ExitCode());
}

// Where the error box is on a screenshot: the bounding box of the window-coloured pixels
// (the box without its one-pixel frame).
bool FindErrorBox(const Screenshot& shot, RECT* box) {
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  const uint32_t wanted = (GetRValue(window) << 16) | (GetGValue(window) << 8) | GetBValue(window);
  RECT found = {shot.width, shot.height, -1, -1};
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      if (shot.At(x, y) != wanted) continue;
      found.left = std::min<LONG>(found.left, x);
      found.top = std::min<LONG>(found.top, y);
      found.right = std::max<LONG>(found.right, x + 1);
      found.bottom = std::max<LONG>(found.bottom, y + 1);
    }
  }
  if (found.right < 0) return false;
  *box = {found.left - 1, found.top - 1, found.right + 1, found.bottom + 1};
  return true;
}

// The box as the saver paints it with `text`, drawn here into a bitmap of the box's size.
Screenshot ReferenceBox(const std::wstring& text) {
  return DrawScreenshot(300, 150, [&](HDC dc) {
    PaintErrorText(dc, {0, 0, 300, 150}, text.c_str());
    return true;
  });
}

std::wstring SaverString(const std::wstring& program, UINT id) {
  HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  wchar_t text[400] = {};
  if (module) LoadStringW(module, id, text, 400);
  if (module) FreeLibrary(module);
  return text;
}

bool IsInk(uint32_t pixel) {
  return ((pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF)) < 3 * 0x80;
}

// Where the text's ink lies inside the box (the frame left out): its bounding rectangle and
// which columns hold ink, which tells words and lines apart.
struct TextInk {
  RECT bounds = {1000, 1000, -1, -1};
  std::vector<bool> columns;
};

TextInk InkOf(const Screenshot& shot, const RECT& box) {
  TextInk ink;
  ink.columns.assign(static_cast<size_t>(box.right - box.left), false);
  for (int y = box.top + 2; y < box.bottom - 2; ++y) {
    for (int x = box.left + 2; x < box.right - 2; ++x) {
      if (!IsInk(shot.At(x, y))) continue;
      const int bx = x - box.left, by = y - box.top;
      ink.columns[static_cast<size_t>(bx)] = true;
      ink.bounds = {std::min<LONG>(ink.bounds.left, bx), std::min<LONG>(ink.bounds.top, by),
                    std::max<LONG>(ink.bounds.right, bx + 1), std::max<LONG>(ink.bounds.bottom, by + 1)};
    }
  }
  return ink;
}

// The same box with the same text. The screen and a bitmap may render the glyphs a little
// bolder or lighter, so the text is compared by where its ink lies, within a few pixels.
bool BoxShows(const Screenshot& screen, const RECT& box, const Screenshot& reference) {
  if (box.right - box.left != reference.width || box.bottom - box.top != reference.height) {
    return false;
  }
  const TextInk shown = InkOf(screen, box), wanted = InkOf(reference, {0, 0, 300, 150});
  if (wanted.bounds.right < 0 || shown.bounds.right < 0) return false;
  const LONG edges[][2] = {{shown.bounds.left, wanted.bounds.left},
                           {shown.bounds.top, wanted.bounds.top},
                           {shown.bounds.right, wanted.bounds.right},
                           {shown.bounds.bottom, wanted.bounds.bottom}};
  for (const auto& edge : edges) {
    if (std::abs(edge[0] - edge[1]) > 3) return false;
  }
  int disagreeing = 0;
  for (size_t x = 0; x < wanted.columns.size(); ++x) {
    if (shown.columns[x] != wanted.columns[x]) ++disagreeing;
  }
  return disagreeing <= (wanted.bounds.right - wanted.bounds.left) / 10;
}

TEST(ErrorMode, ASaverWithoutItsShowShowsTheMediaTextInADriftingBox) {
  const std::wstring program = WindowsPathOf(BRINDLEWICK_SAVER_WITHOUT_SHOW_PATH);
  const std::wstring text = SaverString(program, 2108);
  ASSERT_EQ(L"Could not load required media.", text);
  const Screenshot expected = ReferenceBox(text);
  ASSERT_FALSE(BoxShows(expected, {0, 0, 300, 150}, ReferenceBox(SaverString(program, 2100))))
      << "the comparison tells the texts apart";

  SaverProcess saver(program, L"/s");
  RECT first = {}, later = {};
  EXPECT_TRUE(WaitUntil(
      [&] {
        const Screenshot shot = CaptureWholeScreen();
        return FindErrorBox(shot, &first) && BoxShows(shot, first, expected);
      },
      StartTimeoutMs))
      << "a 300 x 150 box with text 2108";
  EXPECT_TRUE(WaitUntil(
      [&] {
        const Screenshot shot = CaptureWholeScreen();
        return FindErrorBox(shot, &later) && BoxShows(shot, later, expected) &&
               later.left > first.left && later.top > first.top;
      },
      StartTimeoutMs))
      << "the box drifts right and down from the centre";
  const Screenshot shot = CaptureWholeScreen();
  EXPECT_TRUE(IsBlack(shot.At(5, 5)) && IsBlack(shot.At(shot.width - 5, shot.height - 5)))
      << "the rest of the screen is black";

  HWND window = OnlyWindow(saver);
  ASSERT_NE(nullptr, window);
  PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(saver.WaitForExit(ExitTimeoutMs)) << "error mode still ends on input";
  EXPECT_EQ(0u, saver.ExitCode());
}

}  // namespace
