#include "document/d3dx_resource_maker.h"

#include <cstring>

#include "document/bump_dds.h"
#include "render/com_holder.h"
#include "render/vertex_formats.h"

namespace {

struct TextureParameters {
  UINT mipLevels;
  DWORD filter;
  DWORD mipFilter;
};

TextureParameters ParametersFor(TextureUse use) {
  switch (use) {
    case TextureUse::ResourceWithMipmaps:
      return {D3DX_DEFAULT, D3DX_FILTER_NONE, D3DX_DEFAULT};
    case TextureUse::ResourceWithoutMipmaps:
      return {1, D3DX_FILTER_NONE, D3DX_FILTER_NONE};
    case TextureUse::Picture:
      break;
  }
  return {1, D3DX_FILTER_TRIANGLE, D3DX_FILTER_NONE};
}

constexpr DWORD MeshOptions = D3DXMESH_SYSTEMMEM;  // 16-bit indices, system memory
constexpr DWORD OptimizeFlags =
    D3DXMESHOPT_COMPACT | D3DXMESHOPT_ATTRSORT | D3DXMESHOPT_VERTEXCACHE;

// The first `bytes` bytes of a mesh's buffer into another buffer of the same kind.
template <class Buffer>
bool CopyBuffer(Buffer* source, Buffer* target, UINT bytes) {
  void* from = nullptr;
  void* to = nullptr;
  if (!source || FAILED(source->Lock(0, bytes, &from, D3DLOCK_READONLY))) return false;
  const bool copied = SUCCEEDED(target->Lock(0, bytes, &to, 0));
  if (copied) {
    std::memcpy(to, from, bytes);
    target->Unlock();
  }
  source->Unlock();
  return copied;
}

// Steps 2 to 8 of the mesh pipeline: the loaded mesh normalised and optimised, copied into the
// player's own buffers with its bounding sphere. Nothing of `record` changes unless all of it
// succeeded.
bool MakeRecord(IDirect3DDevice9* device, ID3DXMesh* loaded, const DWORD* adjacency,
                UINT vertexSize, MeshRecord& record) {
  if (vertexSize != sizeof(DX_V::PNT)) return false;  // a longer copy would read past the clone
  ComHolder<ID3DXMesh> clone;
  if (FAILED(loaded->CloneMeshFVF(MeshOptions, DX_V::PNT::FVF, device, clone.Out()))) return false;
  // Without new normals the clone still draws; the same goes for an optimisation that the
  // D3DX in use does not offer.
  D3DXComputeNormals(clone.Get(), nullptr);
  clone.Get()->OptimizeInplace(OptimizeFlags, adjacency, nullptr, nullptr, nullptr);

  const UINT vertexCount = clone.Get()->GetNumVertices();
  const UINT faceCount = clone.Get()->GetNumFaces();
  if (vertexCount == 0 || faceCount == 0) return false;

  const UINT indexBytes = faceCount * 3 * sizeof(WORD);
  const UINT vertexBytes = vertexCount * vertexSize;
  ComHolder<IDirect3DIndexBuffer9> indices;
  ComHolder<IDirect3DVertexBuffer9> vertices;
  if (FAILED(device->CreateIndexBuffer(indexBytes, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                       D3DPOOL_MANAGED, indices.Out(), nullptr)) ||
      FAILED(device->CreateVertexBuffer(vertexBytes, D3DUSAGE_WRITEONLY, 0, D3DPOOL_MANAGED,
                                        vertices.Out(), nullptr))) {
    return false;
  }
  ComHolder<IDirect3DIndexBuffer9> cloneIndices;
  ComHolder<IDirect3DVertexBuffer9> cloneVertices;
  clone.Get()->GetIndexBuffer(cloneIndices.Out());
  clone.Get()->GetVertexBuffer(cloneVertices.Out());
  if (!CopyBuffer(cloneIndices.Get(), indices.Get(), indexBytes) ||
      !CopyBuffer(cloneVertices.Get(), vertices.Get(), vertexBytes)) {
    return false;
  }

  void* positions = nullptr;
  D3DXVECTOR3 centre(0, 0, 0);
  float radius = 0;
  if (FAILED(clone.Get()->LockVertexBuffer(D3DLOCK_READONLY, &positions))) return false;
  D3DXComputeBoundingSphere(static_cast<const D3DXVECTOR3*>(positions), vertexCount,
                            D3DXGetFVFVertexSize(DX_V::PNT::FVF), &centre, &radius);
  clone.Get()->UnlockVertexBuffer();

  record.indices = std::move(indices);
  record.vertices = std::move(vertices);
  record.vertexCount = vertexCount;
  record.faceCount = faceCount;
  record.centre = centre;
  record.radius = radius;
  return true;
}

// The loader's outputs: the mesh and its adjacency are used, materials and effect instances
// are let go unread.
struct LoadedMesh {
  ComHolder<ID3DXMesh> mesh;
  ComHolder<ID3DXBuffer> adjacency;
  ComHolder<ID3DXBuffer> materials;
  ComHolder<ID3DXBuffer> effectInstances;
  DWORD materialCount = 0;

  bool MakeRecord(IDirect3DDevice9* device, HRESULT loadResult, UINT vertexSize,
                  MeshRecord& record) const {
    if (FAILED(loadResult) || !mesh.Get()) return false;
    const DWORD* faces =
        adjacency.Get() ? static_cast<const DWORD*>(adjacency.Get()->GetBufferPointer()) : nullptr;
    return ::MakeRecord(device, mesh.Get(), faces, vertexSize, record);
  }
};

}  // namespace

HRESULT D3DXResourceMaker::CreateTextureFromMemory(const void* bytes, UINT size, TextureUse use,
                                                   D3DXIMAGE_INFO* info,
                                                   IDirect3DTexture9** texture) {
  *texture = nullptr;
  if (!device_ || !bytes || size == 0) return E_FAIL;
  const TextureParameters p = ParametersFor(use);
  const HRESULT hr = D3DXCreateTextureFromFileInMemoryEx(
      device_, bytes, size, D3DX_DEFAULT, D3DX_DEFAULT, p.mipLevels, 0, D3DFMT_UNKNOWN,
      D3DPOOL_MANAGED, p.filter, p.mipFilter, 0, info, nullptr, texture);
  // Wine's D3DX cannot load bump (du, dv) files such as the lake's.
  if (FAILED(hr) && SUCCEEDED(CreateBumpTextureFromDds(device_, bytes, size, info, texture))) {
    return D3D_OK;
  }
  return hr;
}

HRESULT D3DXResourceMaker::CreateTextureFromFile(const kq_string& path, D3DXIMAGE_INFO* info,
                                                 IDirect3DTexture9** texture) {
  *texture = nullptr;
  if (!device_) return E_FAIL;
  const TextureParameters p = ParametersFor(TextureUse::Picture);
  return D3DXCreateTextureFromFileExW(device_, path.c_str(), D3DX_DEFAULT, D3DX_DEFAULT,
                                      p.mipLevels, 0, D3DFMT_UNKNOWN, D3DPOOL_MANAGED, p.filter,
                                      p.mipFilter, 0, info, nullptr, texture);
}

bool D3DXResourceMaker::LoadMeshFromMemory(const void* bytes, UINT size, UINT vertexSize,
                                           MeshRecord& record) {
  if (!device_ || !bytes || size == 0) return false;
  LoadedMesh loaded;
  const HRESULT hr = D3DXLoadMeshFromXInMemory(
      bytes, size, MeshOptions, device_, loaded.adjacency.Out(), loaded.materials.Out(),
      loaded.effectInstances.Out(), &loaded.materialCount, loaded.mesh.Out());
  return loaded.MakeRecord(device_, hr, vertexSize, record);
}

bool D3DXResourceMaker::LoadMeshFromFile(const kq_string& path, UINT vertexSize,
                                         MeshRecord& record) {
  if (!device_) return false;
  LoadedMesh loaded;
  const HRESULT hr = D3DXLoadMeshFromXW(path.c_str(), MeshOptions, device_,
                                        loaded.adjacency.Out(), loaded.materials.Out(),
                                        loaded.effectInstances.Out(), &loaded.materialCount,
                                        loaded.mesh.Out());
  return loaded.MakeRecord(device_, hr, vertexSize, record);
}

HRESULT D3DXResourceMaker::CreateEffect(const void* bytes, UINT size, ID3DXEffect** effect) {
  *effect = nullptr;
  if (!device_ || !bytes || size == 0) return E_FAIL;
  return D3DXCreateEffect(device_, bytes, size, nullptr, nullptr, 0, nullptr, effect, nullptr);
}
