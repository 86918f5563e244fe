// The player's maker: D3DX on one device, kept from construction on (no reference is held: the
// objects made on the device already keep it alive, and the application owns it).
#pragma once

#include "document/resource_maker.h"

class D3DXResourceMaker final : public ResourceMaker {
public:
  explicit D3DXResourceMaker(IDirect3DDevice9* device) : device_(device) {}

  IDirect3DDevice9* Device() const override { return device_; }
  HRESULT CreateTextureFromMemory(const void* bytes, UINT size, TextureUse use,
                                  D3DXIMAGE_INFO* info, IDirect3DTexture9** texture) override;
  HRESULT CreateTextureFromFile(const kq_string& path, D3DXIMAGE_INFO* info,
                                IDirect3DTexture9** texture) override;
  bool LoadMeshFromMemory(const void* bytes, UINT size, UINT vertexSize,
                          MeshRecord& record) override;
  bool LoadMeshFromFile(const kq_string& path, UINT vertexSize, MeshRecord& record) override;
  HRESULT CreateEffect(const void* bytes, UINT size, ID3DXEffect** effect) override;

private:
  IDirect3DDevice9* device_;
};
