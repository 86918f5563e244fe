// Opening a web page in the browser the system has registered for http.
#pragma once

#include <string>

// The command line that opens `url` with the registered browser command: the URL replaces the
// command's %1 placeholder (the first quoted one, else the first bare one), or follows the
// command after a blank when it has none. Empty when the result exceeds 259 characters.
std::wstring BrowserCommandLine(const std::wstring& command, const std::wstring& url);

// Starts the registered browser on `url`; false when there is none or it could not start.
bool OpenUrl(const std::wstring& url);
