// The mode switch and the window number the screensaver host passes.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

struct CommandLineCase {
  const wchar_t* line;
  SaverMode mode;
  ULONG_PTR parent;
};

const CommandLineCase Cases[] = {
    {L"", SaverMode::Configuration, 0},
    {L"saver.scr", SaverMode::Configuration, 0},
    {L"saver.scr extra words", SaverMode::Configuration, 0},
    {L"saver.scr /s", SaverMode::FullScreen, 0},
    {L"saver.scr /S", SaverMode::FullScreen, 0},
    {L"saver.scr -x", SaverMode::FullScreen, 0},
    {L"saver.scr /c", SaverMode::Configuration, 0},
    {L"saver.scr /c:1234", SaverMode::Configuration, 1234},
    {L"saver.scr /c 1234", SaverMode::Configuration, 1234},
    {L"saver.scr /P 5678", SaverMode::Preview, 5678},
    {L"saver.scr /p", SaverMode::Preview, 0},
    {L"saver.scr /a 42", SaverMode::PasswordChange, 42},
    {L"saver.scr /t", SaverMode::TestWindow, 0},
    {L"saver.scr /r", SaverMode::StartOnly, 0},
    {L"saver.scr /", SaverMode::FullScreen, 0},
    // A '-' inside a quoted program name is part of the name, not a switch.
    {L"\"C:\\my-savers\\saver one.scr\" /p 77", SaverMode::Preview, 77},
    {L"\"C:\\my-savers\\saver one.scr\"", SaverMode::Configuration, 0},
    {L"\"unterminated -s", SaverMode::Configuration, 0},
    // Window handles are 32-bit: a longer number names no window instead of overflowing.
    {L"saver.scr /p 4294967295", SaverMode::Preview, 0xFFFFFFFF},
    {L"saver.scr /p 4294967296", SaverMode::Preview, 0},
    {L"saver.scr /p 99999999999999999999999999", SaverMode::Preview, 0},
};

TEST(ParseCommandLine, ReadsModeAndParentWindow) {
  for (const CommandLineCase& c : Cases) {
    HWND parent = reinterpret_cast<HWND>(1);
    EXPECT_EQ(c.mode, ParseCommandLine(c.line, &parent)) << "line: " << testing::PrintToString(c.line);
    EXPECT_EQ(c.parent, reinterpret_cast<ULONG_PTR>(parent)) << "line: " << testing::PrintToString(c.line);
  }
}

}  // namespace
