// Paints the error text box: a window-coloured rectangle with a black frame and the text
// centred in it.
#pragma once

#include <windows.h>

void PaintErrorText(HDC dc, const RECT& box, const wchar_t* text);
