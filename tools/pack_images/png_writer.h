// Writes images as PNG or JPEG through the Windows Imaging Component, which D3DX decodes again.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/pack_images/image.h"

namespace pack_images {

enum class ImageFileFormat { Png, Jpeg };

// Encodes `image` as 32-bit BGRA (withAlpha) or 24-bit BGR PNG into `path`. COM must be
// initialised on the calling thread. Returns the first failing HRESULT, or S_OK.
HRESULT WritePng(const Image& image, bool withAlpha, const std::wstring& path);

// Encodes `image` into the bytes of an image file of `format` (JPEG never keeps alpha). COM must
// be initialised on the calling thread. Returns the first failing HRESULT, or S_OK.
HRESULT EncodeImage(const Image& image, bool withAlpha, ImageFileFormat format,
                    std::vector<uint8_t>& bytes);

}  // namespace pack_images
