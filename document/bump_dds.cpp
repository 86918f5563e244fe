#include "document/bump_dds.h"

#include <cstdint>
#include <cstring>

#include "render/com_references.h"

namespace {

constexpr uint32_t DdsMagic = 0x20534444;  // "DDS "
constexpr size_t HeaderBytes = 4 + 124;
constexpr uint32_t BumpDuDvFlag = 0x80000;

uint32_t Word(const uint8_t* bytes, size_t offset) {
  uint32_t value;
  std::memcpy(&value, bytes + offset, sizeof value);
  return value;
}

// The format of a bump pixel format's bit count and masks; D3DFMT_UNKNOWN for others.
D3DFORMAT BumpFormat(uint32_t bits, uint32_t duMask, uint32_t dvMask) {
  if (bits == 16 && duMask == 0x00FF && dvMask == 0xFF00) return D3DFMT_V8U8;
  if (bits == 32 && duMask == 0x0000FFFF && dvMask == 0xFFFF0000) return D3DFMT_V16U16;
  return D3DFMT_UNKNOWN;
}

}  // namespace

HRESULT CreateBumpTextureFromDds(IDirect3DDevice9* device, const void* data, UINT size,
                                 D3DXIMAGE_INFO* info, IDirect3DTexture9** texture) {
  *texture = nullptr;
  const auto* bytes = static_cast<const uint8_t*>(data);
  if (!device || !bytes || size < HeaderBytes || Word(bytes, 0) != DdsMagic) return E_FAIL;
  // The header after the magic: height at 8, width at 12, the pixel format from 72.
  const uint32_t height = Word(bytes, 4 + 8), width = Word(bytes, 4 + 12);
  const uint32_t flags = Word(bytes, 4 + 76), bits = Word(bytes, 4 + 84);
  const D3DFORMAT format = BumpFormat(bits, Word(bytes, 4 + 88), Word(bytes, 4 + 92));
  if (!(flags & BumpDuDvFlag) || format == D3DFMT_UNKNOWN || width == 0 || height == 0) {
    return E_FAIL;
  }
  const uint64_t rowBytes = uint64_t{width} * (bits / 8);
  if (rowBytes * height > size - HeaderBytes) return E_FAIL;

  HRESULT hr = device->CreateTexture(width, height, 1, 0, format, D3DPOOL_MANAGED, texture,
                                     nullptr);
  if (FAILED(hr)) return hr;
  D3DLOCKED_RECT locked;
  hr = (*texture)->LockRect(0, &locked, nullptr, 0);
  if (FAILED(hr)) {
    ReleaseAndNull(texture);
    return hr;
  }
  for (uint32_t y = 0; y < height; ++y) {
    std::memcpy(static_cast<uint8_t*>(locked.pBits) + y * locked.Pitch,
                bytes + HeaderBytes + y * rowBytes, static_cast<size_t>(rowBytes));
  }
  (*texture)->UnlockRect(0);
  if (info) {
    *info = {};
    info->Width = width;
    info->Height = height;
    info->Depth = 1;
    info->MipLevels = 1;
    info->Format = format;
    info->ResourceType = D3DRTYPE_TEXTURE;
    info->ImageFileFormat = D3DXIFF_DDS;
  }
  return D3D_OK;
}
