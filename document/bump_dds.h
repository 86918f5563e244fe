// Bump (du, dv) textures stored as uncompressed DDS files, the form the document gives the
// lake's generated bump map. D3DX reads them on Windows; Wine's D3DX recognises the format but
// cannot load it, so the resource maker falls back to this reader.
#pragma once

#include <d3dx9tex.h>

// A managed V8U8 (16 bits a texel) or V16U16 (32 bits) texture of one level from a DDS file
// whose pixel format is bump du/dv with those bit masks. E_FAIL for any other file, and for a
// file shorter than its header says, without reading past `size` bytes.
HRESULT CreateBumpTextureFromDds(IDirect3DDevice9* device, const void* bytes, UINT size,
                                 D3DXIMAGE_INFO* info, IDirect3DTexture9** texture);
