// A holder that has no buffer yet is an empty triangle strip, and nothing that locks or draws
// it reaches for the missing buffer.
#include <gtest/gtest.h>

#include "render/com_references.h"
#include "render/textured_indexed_mesh.h"
#include "render/vertex_formats.h"

namespace {

TEST(KQ_SimpleMesh, StartsAsAnEmptyTriangleStrip) {
  KQ_SimpleMesh<DX_V::PT> mesh;
  EXPECT_EQ(D3DPT_TRIANGLESTRIP, mesh.primitiveType);
  EXPECT_EQ(nullptr, mesh.vertexBuffer);
  EXPECT_EQ(nullptr, mesh.lockedVertices);
  EXPECT_EQ(0u, mesh.vertexCount);
  EXPECT_EQ(0u, mesh.primitiveCount);
}

TEST(KQ_SimpleMesh, WithoutABufferLockingGivesNullAndDrawingDoesNothing) {
  // No device is current here: any device call would crash.
  TexturedIndexedMesh<DX_V::PNT> mesh;
  EXPECT_EQ(nullptr, mesh.LockVertices());
  EXPECT_EQ(nullptr, mesh.LockIndices());
  mesh.UnlockVertices();
  mesh.UnlockIndices();
  mesh.Draw();
  mesh.DrawIndexed();
  TexturedIndexedMesh<DX_V::PNT> copy(mesh);
  copy = mesh;
  EXPECT_EQ(nullptr, copy.texture);
  EXPECT_EQ(0, copy.flag);
}

TEST(ReleaseAndNull, AnEmptySlotReturnsZero) {
  IDirect3DTexture9* texture = nullptr;
  EXPECT_EQ(0u, ReleaseAndNull(&texture));
  EXPECT_EQ(nullptr, texture);
}

}  // namespace
