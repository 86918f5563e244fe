// The browser command line built from the command registered for http.
#include <gtest/gtest.h>

#include "app/open_url.h"

namespace {

const std::wstring Url = L"http://www.example.com/page?a=1&b=2";

TEST(BrowserCommandLine, PutsTheUrlInPlaceOfThePlaceholder) {
  struct Case {
    const wchar_t* command;
    std::wstring line;
  };
  const Case cases[] = {
      {L"\"C:\\Browser\\browser.exe\" \"%1\"", L"\"C:\\Browser\\browser.exe\" \"" + Url + L"\""},
      {L"\"C:\\b.exe\" -new \"%1\" \"%1\"", L"\"C:\\b.exe\" -new \"" + Url + L"\" \"%1\""},
      {L"C:\\b.exe", L"C:\\b.exe " + Url},
      {L"C:\\b.exe -url %1 -x", L"C:\\b.exe -url " + Url + L" -x"},
      {L"C:\\b.exe %1 \"%1\"", L"C:\\b.exe %1 \"" + Url + L"\""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.line, BrowserCommandLine(c.command, Url)) << c.command;
}

TEST(BrowserCommandLine, RefusesALineLongerThan259Characters) {
  const std::wstring command = L"\"" + std::wstring(200, L'b') + L"\" \"%1\"";
  const std::wstring fits(259 - (command.size() - 2), L'u');
  EXPECT_EQ(259u, BrowserCommandLine(command, fits).size());
  EXPECT_EQ(L"", BrowserCommandLine(command, fits + L"u"));
}

}  // namespace
