// What turns asset bytes into device objects. A resource manager owns one maker and creates
// everything through it, so each manager's objects live on the device its maker was given; the
// maker of the player is D3DXResourceMaker, tests hand in makers that record what is asked.
#pragma once

#include <d3dx9.h>

#include "document/kq_string.h"
#include "document/mesh_record.h"

// The three sets of creation parameters of the player's textures.
enum class TextureUse {
  ResourceWithMipmaps,     // own "DDS" resources: full mip chain, no filtering
  ResourceWithoutMipmaps,  // own "DDS" resources: one level, no filtering
  Picture,                 // pictures of documents and content packs: one level, triangle filter
};

class ResourceMaker {
public:
  virtual ~ResourceMaker() = default;

  // The device every object of this maker belongs to.
  virtual IDirect3DDevice9* Device() const = 0;

  // A managed texture from image file bytes; `info` (may be null) receives the image's own size.
  virtual HRESULT CreateTextureFromMemory(const void* bytes, UINT size, TextureUse use,
                                          D3DXIMAGE_INFO* info, IDirect3DTexture9** texture) = 0;
  // A managed picture texture from the image file at `path`.
  virtual HRESULT CreateTextureFromFile(const kq_string& path, D3DXIMAGE_INFO* info,
                                        IDirect3DTexture9** texture) = 0;

  // The mesh pipeline from .x data into `record`: on success new buffers replace the record's;
  // on any failure the record is left as it was and false returned. `vertexSize` is the stride
  // the caller draws with; only DX_V::PNT's 32 bytes can be made.
  virtual bool LoadMeshFromMemory(const void* bytes, UINT size, UINT vertexSize,
                                  MeshRecord& record) = 0;
  virtual bool LoadMeshFromFile(const kq_string& path, UINT vertexSize, MeshRecord& record) = 0;

  // An effect from compiled effect bytes.
  virtual HRESULT CreateEffect(const void* bytes, UINT size, ID3DXEffect** effect) = 0;
};
