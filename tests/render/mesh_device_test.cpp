// Mesh holders on a real device: copies share buffers by reference count, assignment trades one
// buffer for another, and the texture copy carries its source's texels.
#include "tests/support/scene_device_test.h"

#include "render/back_buffer.h"
#include "render/copy_texture.h"
#include "render/textured_indexed_mesh.h"
#include "render/vertex_formats.h"

namespace {

using scene_testing::RefCount;
using scene_testing::SceneDeviceTest;

using MeshTest = SceneDeviceTest;

TEST_F(MeshTest, CreatesAVertexBufferOfTheLayoutsSizeAndFormat) {
  KQ_SimpleMesh<DX_V::PNT> mesh;
  ASSERT_EQ(D3D_OK, mesh.CreateVertexBuffer(81, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED));
  D3DVERTEXBUFFER_DESC desc;
  mesh.vertexBuffer->GetDesc(&desc);
  EXPECT_EQ(81u * 32, desc.Size);
  EXPECT_EQ(DX_V::PNT::FVF, desc.FVF);
  EXPECT_EQ(D3DPOOL_MANAGED, desc.Pool);
  EXPECT_EQ(81u, mesh.vertexCount);
}

TEST_F(MeshTest, ACopySharesTheBuffersAndOutlivesNothing) {
  TexturedIndexedMesh<DX_V::PNT> mesh;
  mesh.CreateVertexBuffer(4, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
  mesh.CreateIndexBuffer(6, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
  mesh.texture = MakeTexture(1, 1, [](UINT, UINT) { return 0xFFFFFFFFu; });
  mesh.triangleCount = 2;
  mesh.flag = 1;
  {
    TexturedIndexedMesh<DX_V::PNT> copy(mesh);
    EXPECT_EQ(mesh.vertexBuffer, copy.vertexBuffer);
    EXPECT_EQ(mesh.indexBuffer, copy.indexBuffer);
    EXPECT_EQ(mesh.texture, copy.texture);
    EXPECT_EQ(2u, copy.triangleCount);
    EXPECT_EQ(1, copy.flag);
    EXPECT_EQ(2u, RefCount(mesh.vertexBuffer));
    EXPECT_EQ(2u, RefCount(mesh.indexBuffer));
    EXPECT_EQ(2u, RefCount(mesh.texture));
  }
  EXPECT_EQ(1u, RefCount(mesh.vertexBuffer));
  EXPECT_EQ(1u, RefCount(mesh.indexBuffer));
  EXPECT_EQ(1u, RefCount(mesh.texture));
  EXPECT_NE(nullptr, mesh.LockVertices());
  mesh.UnlockVertices();
}

TEST_F(MeshTest, AssignmentReleasesTheOldBufferAndSelfAssignmentNothing) {
  KQ_IndexedMesh<DX_V::PT> first, second;
  first.CreateVertexBuffer(4, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
  second.CreateVertexBuffer(4, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
  IDirect3DVertexBuffer9* old = second.vertexBuffer;
  old->AddRef();  // keep it observable

  second = first;
  EXPECT_EQ(first.vertexBuffer, second.vertexBuffer);
  EXPECT_EQ(2u, RefCount(first.vertexBuffer));
  EXPECT_EQ(1u, RefCount(old));
  old->Release();

  const auto& self = second;
  second = self;
  EXPECT_EQ(2u, RefCount(first.vertexBuffer));
}

TEST_F(MeshTest, ReleaseAndNullReturnsTheRemainingCountAndClearsTheSlot) {
  KQ_SimpleMesh<DX_V::PT> mesh;
  mesh.CreateVertexBuffer(4, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
  IDirect3DVertexBuffer9* extra = mesh.vertexBuffer;
  extra->AddRef();
  EXPECT_EQ(1u, ReleaseAndNull(&extra));
  EXPECT_EQ(nullptr, extra);
}

TEST_F(MeshTest, DestroyingATexturedMeshWithChildrenReleasesEverything) {
  TexturedIndexedMesh<DX_V::PNT> mesh;
  mesh.CreateVertexBuffer(4, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
  mesh.CreateIndexBuffer(6, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
  mesh.texture = MakeTexture(1, 1, [](UINT, UINT) { return 0xFFFFFFFFu; });
  IDirect3DTexture9* texture = mesh.texture;
  texture->AddRef();
  mesh.frame.AddChild();
  mesh.frame.AddChild();

  DestroyTexturedMeshWithChildren(mesh);

  EXPECT_TRUE(mesh.frame.children.empty());
  EXPECT_EQ(nullptr, mesh.vertexBuffer);
  EXPECT_EQ(nullptr, mesh.indexBuffer);
  EXPECT_EQ(nullptr, mesh.texture);
  EXPECT_EQ(0u, texture->Release());
}

TEST_F(MeshTest, BackBufferDescriptionIsTheDevicesBackBuffer) {
  D3DSURFACE_DESC desc;
  EXPECT_EQ(&desc, &GetBackBufferDesc(desc));
  EXPECT_EQ(Width, desc.Width);
  EXPECT_EQ(Height, desc.Height);
  EXPECT_EQ(D3DFMT_X8R8G8B8, desc.Format);
}

TEST_F(MeshTest, CopyTextureFiltersLevelZeroIntoAManagedFullChain) {
  IDirect3DTexture9* source =
      MakeTexture(4, 4, [](UINT, UINT) { return D3DCOLOR_ARGB(0xFF, 0x20, 0x80, 0xC0); });
  IDirect3DTexture9* copy = CopyTexture(source, 8, 8, D3DFMT_UNKNOWN);
  ASSERT_NE(nullptr, copy);
  D3DSURFACE_DESC desc;
  copy->GetLevelDesc(0, &desc);
  EXPECT_EQ(8u, desc.Width);
  EXPECT_EQ(D3DPOOL_MANAGED, desc.Pool);
  EXPECT_EQ(4u, copy->GetLevelCount());
  EXPECT_COLOR_NEAR(ReadTexel(copy, 5, 3), D3DCOLOR_XRGB(0x20, 0x80, 0xC0), 1);
  copy->Release();
  source->Release();
  EXPECT_EQ(nullptr, CopyTexture(nullptr, 8, 8, D3DFMT_UNKNOWN));
}

TEST_F(MeshTest, CopyTextureReadsARenderTargetResult) {
  IDirect3DTexture9* target = nullptr;
  ASSERT_EQ(D3D_OK, device->CreateTexture(16, 16, 1, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8,
                                          D3DPOOL_DEFAULT, &target, nullptr));
  IDirect3DSurface9* surface = nullptr;
  target->GetSurfaceLevel(0, &surface);
  device->ColorFill(surface, nullptr, D3DCOLOR_ARGB(0xFF, 0xF0, 0x10, 0x40));
  surface->Release();

  IDirect3DTexture9* copy = CopyTexture(target, 16, 16, D3DFMT_A8R8G8B8);
  ASSERT_NE(nullptr, copy);
  EXPECT_COLOR_NEAR(ReadTexel(copy, 8, 8), D3DCOLOR_XRGB(0xF0, 0x10, 0x40), 1);
  copy->Release();
  target->Release();
}

}  // namespace
