#include "document/texture_loading.h"

#include "document/d3dx_resource_maker.h"
#include "document/module_resource.h"
#include "render/back_buffer.h"
#include "render/com_holder.h"
#include "render/current_device.h"

namespace {

// Decodes into a local image information that reaches `info` only with a texture, so a failed
// decode leaves the caller's preset size alone.
HRESULT Decode(ResourceMaker& maker, const ResourceBytes& found, TextureUse use,
               D3DXIMAGE_INFO* info, IDirect3DTexture9** texture) {
  *texture = nullptr;
  if (!found.bytes || found.size == 0) return E_FAIL;
  D3DXIMAGE_INFO decoded{};
  const HRESULT hr =
      maker.CreateTextureFromMemory(found.bytes, found.size, use, info ? &decoded : nullptr, texture);
  if (FAILED(hr)) {
    ReleaseAndNull(texture);
    return hr;
  }
  if (!*texture) return E_FAIL;
  if (info) *info = decoded;
  return S_OK;
}

}  // namespace

HRESULT LoadTextureResource(ResourceMaker& maker, int id, bool mipmaps,
                            IDirect3DTexture9** texture) {
  ResourceBytes found;
  FindResourceBytes(nullptr, id, DdsResourceType, found);
  return Decode(maker, found,
                mipmaps ? TextureUse::ResourceWithMipmaps : TextureUse::ResourceWithoutMipmaps,
                nullptr, texture);
}

HRESULT LoadTextureResource(int id, bool mipmaps, IDirect3DTexture9** texture) {
  D3DXResourceMaker maker(CurrentDevice);
  return LoadTextureResource(maker, id, mipmaps, texture);
}

HRESULT LoadModuleTextureResource(ResourceMaker& maker, HMODULE module, int id,
                                  D3DXIMAGE_INFO& info, IDirect3DTexture9** texture) {
  ResourceBytes found;
  if (module) FindResourceBytes(module, id, DdsResourceType, found);
  return Decode(maker, found, TextureUse::Picture, &info, texture);
}

HRESULT LoadTextureFromMemory(ResourceMaker& maker, const void* bytes, UINT size,
                              D3DXIMAGE_INFO& info, IDirect3DTexture9** texture) {
  return Decode(maker, {bytes, size}, TextureUse::Picture, &info, texture);
}

void MakeTextureEntryFromBytes(ResourceMaker& maker, TextureEntry& entry, const void* bytes,
                               UINT size) {
  D3DXIMAGE_INFO info{};
  ComHolder<IDirect3DTexture9> texture;
  LoadTextureFromMemory(maker, bytes, size, info, texture.Out());
  entry.Set(info, texture.Get());
}

void LoadCenteredPicture(TexturedQuad& quad, int id) {
  IDirect3DTexture9* picture = nullptr;
  LoadTextureResource(id, false, &picture);
  D3DSURFACE_DESC backBuffer;
  GetBackBufferDesc(backBuffer);
  quad.SetTextureAndRect(picture, ScreenQuad::CenteredSquare(backBuffer.Width, backBuffer.Height));
  ReleaseAndNull(&picture);
}
