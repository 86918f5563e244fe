// Textures from resources and from image bytes. Each returns the failing HRESULT of D3DX, or
// E_FAIL when no texture resulted (a missing resource included), else S_OK; on failure the
// texture is null and the image information keeps what it held.
#pragma once

#include "document/resource_maker.h"
#include "render/texture_entry.h"
#include "render/textured_quad.h"

// The program's own "DDS" resource `id`: with mipmaps a full chain, else one level.
HRESULT LoadTextureResource(ResourceMaker& maker, int id, bool mipmaps,
                            IDirect3DTexture9** texture);
// The same on CurrentDevice (the loading splash).
HRESULT LoadTextureResource(int id, bool mipmaps, IDirect3DTexture9** texture);
// The program's own "DDS" picture `id` (one level) on `quad`, the back buffer's centred square;
// the square stays untextured when the picture cannot be made.
void LoadCenteredPicture(TexturedQuad& quad, int id);

// "DDS" resource `id` of a loaded content pack, as a picture.
HRESULT LoadModuleTextureResource(ResourceMaker& maker, HMODULE module, int id,
                                  D3DXIMAGE_INFO& info, IDirect3DTexture9** texture);
// Image file bytes, as a picture; no bytes give E_FAIL.
HRESULT LoadTextureFromMemory(ResourceMaker& maker, const void* bytes, UINT size,
                              D3DXIMAGE_INFO& info, IDirect3DTexture9** texture);

// `entry` := a picture texture made from the bytes (not cached), or no texture with size 0 x 0.
void MakeTextureEntryFromBytes(ResourceMaker& maker, TextureEntry& entry, const void* bytes,
                               UINT size);
