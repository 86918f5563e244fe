// The resource manager with D3DX on a real device: the test packs' pictures, animated image,
// meshes and effect by pack name and number, the document's own bytes, the program's own
// picture, and an effect that keeps working across a device reset.
#include <d3dx9.h>
#include <gtest/gtest.h>

#include <cmath>

#include "document/d3dx_resource_maker.h"
#include "document/doc_res_manager.h"
#include "document/kq_iof_r.h"
#include "document/kq_iof_w.h"
#include "document/module_resource.h"
#include "document/stream_lists.h"
#include "document/texture_loading.h"
#include "render/current_device.h"
#include "render/textured_quad.h"
#include "tests/document/pack/test_pack_assets.h"
#include "tests/support/scene_device_test.h"

namespace {

using namespace scene_testing;
using namespace test_pack;

constexpr D3DCOLOR Yellow = D3DCOLOR_XRGB(0xFF, 0xFF, 0);

class ResourceDeviceTest : public SceneDeviceTest {
protected:
  void SetUp() override {
    SceneDeviceTest::SetUp();
    manager = std::make_unique<KQ_DocResManager>();
  }
  void TearDown() override {
    manager.reset();  // its objects go before the device does
    SceneDeviceTest::TearDown();
  }

  D3DCOLOR Rgb(IDirect3DTexture9* texture, UINT x, UINT y) {
    return ReadTexel(texture, x, y) & 0xFFFFFF;
  }

  std::unique_ptr<KQ_DocResManager> manager;
};

D3DSURFACE_DESC LevelZero(IDirect3DTexture9* texture) {
  D3DSURFACE_DESC desc{};
  texture->GetLevelDesc(0, &desc);
  return desc;
}

TEST_F(ResourceDeviceTest, PackPicturesAreManagedTexturesOfTheirOwnSizeAndColour) {
  struct Case {
    int id;
    const wchar_t* pack;
    Picture picture;
  } cases[] = {{WideId, PackName, Wide}, {TallId, PackName, Tall}, {WideId, OtherPackName, Tall}};
  for (const Case& c : cases) {
    const TextureList& list = manager->GetImageTextures(KQ_ImageFileLink(c.id, c.pack));
    ASSERT_EQ(1u, list.frames.size());
    IDirect3DTexture9* texture = list.frames[0].Get();
    ASSERT_NE(nullptr, texture);
    EXPECT_EQ(static_cast<int>(c.picture.width), list.width);
    EXPECT_EQ(static_cast<int>(c.picture.height), list.height);
    EXPECT_EQ(D3DPOOL_MANAGED, LevelZero(texture).Pool);
    EXPECT_EQ(1u, texture->GetLevelCount());
    EXPECT_EQ(c.picture.color, Rgb(texture, 1, 1));
  }
}

// Another monitor's device may be current by the time a link is first resolved.
TEST_F(ResourceDeviceTest, AManagerMakesItsTexturesOnTheDeviceCurrentWhenItWasMade) {
  IDirect3DDevice9* const made = CurrentDevice;
  CurrentDevice = nullptr;
  const TextureList& list = manager->GetImageTextures(KQ_ImageFileLink(WideId, PackName));
  CurrentDevice = made;
  ASSERT_EQ(1u, list.frames.size());
  ASSERT_NE(nullptr, list.frames[0].Get());
  IDirect3DDevice9* owner = nullptr;
  list.frames[0].Get()->GetDevice(&owner);
  EXPECT_EQ(device, owner);
  if (owner) owner->Release();
}

TEST_F(ResourceDeviceTest, AnAnimatedImageOfThePackHasItsThreeFrames) {
  const TextureList& list = manager->GetDllImageTextures(KQ_ImageFileLink(AnimatedId, PackName));
  ASSERT_EQ(3u, list.frames.size());
  const D3DCOLOR colours[] = {Wide.color, Tall.color, Yellow};
  for (size_t i = 0; i < 3; ++i) {
    ASSERT_NE(nullptr, list.frames[i].Get());
    EXPECT_EQ(colours[i] & 0xFFFFFF, Rgb(list.frames[i].Get(), 0, 0)) << "frame " << i;
  }
  EXPECT_EQ(AnimatedFrameTimes, list.frameTimes);
  // The size is the third image's own; its texture is padded to powers of two.
  EXPECT_EQ(6, list.width);
  EXPECT_EQ(3, list.height);
  const D3DSURFACE_DESC third = LevelZero(list.frames[2].Get());
  EXPECT_EQ(8u, third.Width);
  EXPECT_EQ(4u, third.Height);
}

// The tetrahedron: corners at the origin and on the unit axes, four faces.
TEST_F(ResourceDeviceTest, APackMeshBecomesThePlayersBuffersWithNormalsAndBoundingSphere) {
  const MeshRecord* mesh = manager->GetMesh(KQ_MeshFile(MeshId, PackName), 32);
  ASSERT_TRUE(mesh->IsLoaded());
  ASSERT_EQ(4u, mesh->vertexCount);
  ASSERT_EQ(4u, mesh->faceCount);

  D3DVERTEXBUFFER_DESC vertices;
  mesh->vertices->GetDesc(&vertices);
  EXPECT_EQ(4u * 32u, vertices.Size);
  EXPECT_EQ(0u, vertices.FVF);
  EXPECT_EQ(D3DPOOL_MANAGED, vertices.Pool);
  D3DINDEXBUFFER_DESC indices;
  mesh->indices->GetDesc(&indices);
  EXPECT_EQ(D3DFMT_INDEX16, indices.Format);
  EXPECT_EQ(4u * 3u * 2u, indices.Size);

  DX_V::PNT* v = nullptr;
  ASSERT_EQ(D3D_OK, mesh->vertices->Lock(0, 0, reinterpret_cast<void**>(&v), D3DLOCK_READONLY));
  float cornerSum = 0;
  for (int i = 0; i < 4; ++i) {
    cornerSum += v[i].x + v[i].y + v[i].z;
    const float normal = std::sqrt(v[i].nx * v[i].nx + v[i].ny * v[i].ny + v[i].nz * v[i].nz);
    EXPECT_NEAR(1.0f, normal, 1e-4f) << "vertex " << i;
  }
  mesh->vertices->Unlock();
  EXPECT_FLOAT_EQ(3.0f, cornerSum) << "the four corners, in whatever order";

  WORD* index = nullptr;
  ASSERT_EQ(D3D_OK, mesh->indices->Lock(0, 0, reinterpret_cast<void**>(&index), D3DLOCK_READONLY));
  for (int face = 0; face < 4; ++face) {
    const WORD a = index[3 * face], b = index[3 * face + 1], c = index[3 * face + 2];
    EXPECT_TRUE(a < 4 && b < 4 && c < 4 && a != b && b != c && a != c) << "face " << face;
  }
  mesh->indices->Unlock();

  // D3DX's sphere: centred on the mean of the corners, reaching the farthest one.
  EXPECT_NEAR(0.25f, mesh->centre.x, 1e-5f);
  EXPECT_NEAR(0.25f, mesh->centre.y, 1e-5f);
  EXPECT_NEAR(0.25f, mesh->centre.z, 1e-5f);
  EXPECT_NEAR(std::sqrt(0.6875f), mesh->radius, 1e-5f);
}

TEST_F(ResourceDeviceTest, AMeshIsMadeOnlyForTheStrideOfItsVertices) {
  const KQ_MeshFile link(MeshId, PackName);
  EXPECT_FALSE(manager->GetMesh(link, 24)->IsLoaded());
  EXPECT_FALSE(manager->GetMesh(link, 40)->IsLoaded()) << "a longer copy would read past the clone";
  EXPECT_TRUE(manager->GetMesh(link, 32)->IsLoaded());
}

TEST_F(ResourceDeviceTest, ARecordsMeshComesFromItsOwnPack) {
  DocResCache& cache = manager->GetDocResCache();
  const MeshRecord tetrahedron = cache.GetEmbeddedDataMesh(KQ_EmbeddedData(MeshId, PackName), 32);
  const MeshRecord triangle = cache.GetEmbeddedDataMesh(KQ_EmbeddedData(MeshId, OtherPackName), 32);
  EXPECT_EQ(4u, tetrahedron.faceCount);
  EXPECT_EQ(1u, triangle.faceCount);
  EXPECT_NE(tetrahedron.vertices.Get(), triangle.vertices.Get());
}

TEST_F(ResourceDeviceTest, ThePacksEffectDrawsAndKeepsDrawingAfterADeviceReset) {
  const KQ_HLSLEffectFile link(EffectId, PackName);
  ID3DXEffect* effect = manager->GetEffect(link);
  ASSERT_NE(nullptr, effect);
  ASSERT_NE(nullptr, effect->GetTechniqueByName("Main"));
  ASSERT_NE(nullptr, effect->GetParameterByName(nullptr, "Tint"));

  TexturedQuad quad;
  const auto drawGreen = [&] {
    quad.SetRectUntextured(ScreenQuad::FullScreen());
    Clear(Black);
    const D3DXVECTOR4 green(0, 1, 0, 1);
    effect->SetVector("Tint", &green);
    effect->SetTechnique("Main");
    UINT passes = 0;
    device->BeginScene();
    effect->Begin(&passes, 0);
    effect->BeginPass(0);
    quad.BindScreenVertices();
    quad.Draw();
    effect->EndPass();
    effect->End();
    device->EndScene();
    EXPECT_COLOR_NEAR(ReadPixel(Width / 2, Height / 2), Green, 1);
  };
  drawGreen();

  manager->OnLostDevice();
  ASSERT_EQ(D3D_OK, ResetDevice());
  manager->OnResetDevice();
  ID3DXEffect* again = manager->GetEffect(link);
  EXPECT_EQ(effect, again);
  again->Release();
  drawGreen();
  effect->Release();
}

TEST_F(ResourceDeviceTest, TheDocumentsOwnPictureBytesAndGeneratedTexturesBecomeTextures) {
  HMODULE pack = LoadContentPack(PackName);
  ResourceBytes tall;
  ASSERT_TRUE(FindResourceBytes(pack, TallId, DdsResourceType, tall));
  KQ_EmbeddedData frame;
  frame.name = L"tall.bmp";
  frame.bytes.assign(static_cast<const uint8_t*>(tall.bytes),
                     static_cast<const uint8_t*>(tall.bytes) + tall.size);
  GuidKey maskKey;
  maskKey.id = {0x12345678, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
  DataBlob mask;
  mask.bytes = frame.bytes;

  // Written by one manager's writer, read by the other's reader.
  KQ_DocResManager writer(std::make_unique<D3DXResourceMaker>(device));
  const FileLinkKey pictureKey{L"tall.bmp", 0};
  writer.GetResourceCache().imageBlobs[pictureKey] = {frame};
  writer.GetResourceCache().guidTextureBlobs[maskKey] = mask;
  KQ_IOF_W written;
  writer.Write(written);
  ResourceBuffer buffer(written.Bytes().data(), written.Bytes().size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  ASSERT_TRUE(ReadDocResManager(*manager, stream, ReadSectionHeader(stream)));
  EXPECT_EQ(0u, buffer.Remaining());

  const TextureList& list = manager->GetImageTextures(KQ_ImageFileLink(pictureKey));
  ASSERT_EQ(1u, list.frames.size());
  ASSERT_NE(nullptr, list.frames[0].Get());
  EXPECT_EQ(Tall.color, Rgb(list.frames[0].Get(), 1, 1));
  IDirect3DTexture9* generated = manager->GetResourceCache().guidTextures[maskKey];
  ASSERT_NE(nullptr, generated);
  EXPECT_EQ(Tall.color, Rgb(generated, 1, 1));
}

TEST_F(ResourceDeviceTest, TheProgramsOwnPictureHasAFullMipChain) {
  IDirect3DTexture9* texture = manager->GetDocResCache().GetResourceTexture(ProgramPictureId);
  ASSERT_NE(nullptr, texture);
  EXPECT_EQ(2u, texture->GetLevelCount()) << "2 x 2 and 1 x 1";
  EXPECT_EQ(Square.color, Rgb(texture, 0, 0));
  texture->Release();
}

TEST_F(ResourceDeviceTest, TheSplashPictureFillsTheCentredSquare) {
  TexturedQuad splash;
  LoadCenteredPicture(splash, ProgramPictureId);
  ASSERT_NE(nullptr, splash.texture);
  EXPECT_EQ(1u, splash.texture->GetLevelCount()) << "the splash has one level";

  device->SetRenderState(D3DRS_LIGHTING, FALSE);
  device->SetRenderState(D3DRS_ZENABLE, FALSE);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  Clear(Black);
  device->BeginScene();
  splash.BindScreenVertices();
  splash.Draw();
  device->EndScene();
  // Side two thirds of the height, 170.7 pixels, from 42.7 to 213.3 on both axes.
  EXPECT_COLOR_NEAR(ReadPixel(128, 128), Blue, 1);
  EXPECT_COLOR_NEAR(ReadPixel(48, 48), Blue, 1);
  EXPECT_COLOR_NEAR(ReadPixel(208, 208), Blue, 1);
  EXPECT_COLOR_NEAR(ReadPixel(36, 128), Black, 1);
  EXPECT_COLOR_NEAR(ReadPixel(128, 220), Black, 1);

  TexturedQuad missing;
  LoadCenteredPicture(missing, 999);
  EXPECT_EQ(nullptr, missing.texture);
}

}  // namespace
