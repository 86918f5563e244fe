#include "tests/content/pack_fixture.h"

namespace pack_testing {

HMODULE LoadPack() { return LoadLibraryW(L"tessaly.dll"); }

std::pair<const void*, DWORD> ResourceBytes(HMODULE pack, WORD id) {
  HRSRC info = FindResourceW(pack, MAKEINTRESOURCEW(id), L"DDS");
  if (!info) return {nullptr, 0};
  HGLOBAL handle = LoadResource(pack, info);
  return {handle ? LockResource(handle) : nullptr, SizeofResource(pack, info)};
}

void PackOnDevice::SetUp() {
  DeviceTest::SetUp();
  pack = LoadPack();
  ASSERT_NE(pack, nullptr) << "LoadLibraryW(tessaly.dll) failed: " << GetLastError();
}

void PackOnDevice::TearDown() {
  if (pack) FreeLibrary(pack);
  pack = nullptr;
  DeviceTest::TearDown();
}

HRESULT PackOnDevice::Decode(WORD id, IDirect3DTexture9** texture, D3DXIMAGE_INFO* info) {
  const auto [bytes, size] = ResourceBytes(pack, id);
  if (!bytes || size == 0) return E_FAIL;
  return D3DXCreateTextureFromFileInMemoryEx(device, bytes, size, D3DX_DEFAULT, D3DX_DEFAULT, 1, 0,
                                             D3DFMT_UNKNOWN, D3DPOOL_MANAGED, D3DX_FILTER_TRIANGLE,
                                             D3DX_FILTER_NONE, 0, info, nullptr, texture);
}

HRESULT PackOnDevice::LoadMesh(WORD id, DWORD cloneOptions, ID3DXMesh** loaded, ID3DXMesh** clone) {
  const auto [bytes, size] = ResourceBytes(pack, id);
  if (!bytes || size == 0) return E_FAIL;
  ComHolder<ID3DXBuffer> adjacency, materials, effects;
  DWORD materialCount = 0;
  HRESULT hr = D3DXLoadMeshFromXInMemory(bytes, size, D3DXMESH_SYSTEMMEM, device, adjacency.Out(),
                                         materials.Out(), effects.Out(), &materialCount, loaded);
  if (SUCCEEDED(hr)) hr = (*loaded)->CloneMeshFVF(cloneOptions, VertexFormat, device, clone);
  return hr;
}

}  // namespace pack_testing
