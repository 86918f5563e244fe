#pragma once

#include <string>

// Names and paths of the document: UTF-16 text (wchar_t is 16 bits on Windows).
using kq_string = std::wstring;
