// Shared by the pack tests: the pack loaded by its plain name, as the player loads it, a device,
// and its pictures and meshes decoded the way the player decodes them.
#pragma once

#include <d3dx9.h>
#include <windows.h>

#include <utility>

#include "render/com_holder.h"
#include "tests/support/device_fixture.h"

namespace pack_testing {

// The player's mesh vertex: D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1.
struct Vertex {
  D3DXVECTOR3 position, normal;
  float u, v;
};
constexpr DWORD VertexFormat = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;

// LoadLibraryW("tessaly.dll"): found beside the program, as the saver finds it.
HMODULE LoadPack();

// The bytes of "DDS" resource `id`, or (null, 0).
std::pair<const void*, DWORD> ResourceBytes(HMODULE pack, WORD id);

class PackOnDevice : public testing_support::DeviceTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // Decodes picture `id` with the parameters the player uses for module pictures.
  HRESULT Decode(WORD id, IDirect3DTexture9** texture, D3DXIMAGE_INFO* info = nullptr);
  // Loads mesh `id` as the player does (system memory, with adjacency and materials) and
  // clones it into the player's vertex layout with `cloneOptions`.
  HRESULT LoadMesh(WORD id, DWORD cloneOptions, ID3DXMesh** loaded, ID3DXMesh** clone);

  HMODULE pack = nullptr;
};

}  // namespace pack_testing
