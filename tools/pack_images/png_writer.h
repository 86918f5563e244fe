// Writes images as PNG through the Windows Imaging Component, which D3DX decodes again.
#pragma once

#include <windows.h>

#include <string>

#include "tools/pack_images/image.h"

namespace pack_images {

// Encodes `image` as 32-bit BGRA (withAlpha) or 24-bit BGR PNG into `path`. COM must be
// initialised on the calling thread. Returns the first failing HRESULT, or S_OK.
HRESULT WritePng(const Image& image, bool withAlpha, const std::wstring& path);

}  // namespace pack_images
