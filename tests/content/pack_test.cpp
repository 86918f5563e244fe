// The content pack as the player uses it: "tessaly.dll" loaded by its plain name with
// LoadLibraryW (the build puts a copy beside this test, as the saver has it beside itself),
// every picture and mesh the player names present as a "DDS" resource, each picture decoding
// on a real device with the parameters used for module pictures, each mesh loading through
// D3DX with normals and texture coordinates and in the shape its users assume. The compiled
// effects are checked with the effect build.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "tests/content/pack_fixture.h"

namespace pack_testing {
namespace {

struct PackPicture {
  WORD id;
  UINT width, height;
  bool alpha;
  const char* what;
};

const PackPicture Pictures[] = {
    {5, 1024, 768, false, "default slide picture and glass-ball background"},
    {6, 128, 256, false, "butterfly body"},
    {7, 256, 256, true, "flame light's fire pattern"},
    {8, 256, 256, true, "fire noise"},
    {40, 64, 1024, true, "glyph strip"},
    {58, 512, 512, true, "glass-ball overlay A"},
    {59, 512, 512, true, "glass-ball overlay B"},
    {60, 512, 256, true, "glass-ball stand"},
    {62, 256, 256, true, "flame light's bump map"},
    {71, 512, 512, true, "clock face"},
    {72, 64, 512, true, "clock hands"},
    {89, 256, 256, true, "water bump map"},
    {93, 256, 256, true, "fire pattern"},
    {95, 256, 256, true, "lightning"},
    {98, 256, 256, true, "lightning, second look"},
};

// Which way the right-hand normal of every face points. Pictures are drawn with y down, which
// mirrors the winding the culling sees: faces wound towards the inside show from outside.
enum class Winding { TowardsAxisZ, TowardsPlusY };

// How u is laid on a mesh. Every mesh runs v from its +z end (0) to its -z end (1): the
// clock turns +z to picture up, so its numerals stand upright.
enum class TextureU {
  AlongX,          // flat: u grows with x across the bounding box
  RoundFromBackY,  // wrapped round the z axis, starting on the back (-y)
};

struct PackMesh {
  WORD id;
  const char* what;
  D3DXVECTOR3 low, high;  // bounding box
  Winding winding;
  TextureU textureU;
};

const PackMesh Meshes[] = {
    // Long axis z, head at +z; the butterfly turns +z into its flight direction.
    {68,
     "butterfly body",
     {-5.0f, -5.0f, -30.0f},
     {5.0f, 5.0f, 26.0f},
     Winding::TowardsAxisZ,
     TextureU::RoundFromBackY},
    // Flat, hinged on the z axis, spanning +x: it flaps about z and is mirrored in x.
    {69,
     "butterfly wing",
     {0.0f, 0.0f, -40.0f},
     {80.0f, 0.0f, 36.0f},
     Winding::TowardsPlusY,
     TextureU::AlongX},
    // A 100 x 100 plate in the x-z plane: the clock scales one unit to size / 100 pixels.
    {70,
     "clock plate",
     {-50.0f, 0.0f, -50.0f},
     {50.0f, 0.0f, 50.0f},
     Winding::TowardsPlusY,
     TextureU::AlongX},
};

BOOL CALLBACK CollectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::set<WORD>*>(ids)->insert(LOWORD(name));
  return TRUE;
}

TEST(PackModule, LoadsByPlainNameAndHoldsExactlyTheNamedDdsResources) {
  HMODULE pack = LoadPack();
  ASSERT_NE(pack, nullptr) << "LoadLibraryW(tessaly.dll) failed: " << GetLastError();
  std::set<WORD> expected, found;
  for (const PackPicture& p : Pictures) expected.insert(p.id);
  for (const PackMesh& m : Meshes) expected.insert(m.id);
  EnumResourceNamesW(pack, L"DDS", CollectId, reinterpret_cast<LONG_PTR>(&found));
  EXPECT_EQ(found, expected);
  FreeLibrary(pack);
}

class PackPictureTest : public PackOnDevice, public ::testing::WithParamInterface<PackPicture> {};
class PackMeshTest : public PackOnDevice, public ::testing::WithParamInterface<PackMesh> {};

// Lowest and highest alpha and luminance over the texture's top level.
struct TexelRange {
  int alphaLow = 255, alphaHigh = 0, lightLow = 255, lightHigh = 0;
};

TexelRange MeasureTexels(IDirect3DTexture9* texture) {
  TexelRange range;
  D3DSURFACE_DESC desc;
  D3DLOCKED_RECT locked;
  if (FAILED(texture->GetLevelDesc(0, &desc)) ||
      FAILED(texture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY)))
    return range;
  for (UINT y = 0; y < desc.Height; ++y) {
    const D3DCOLOR* row = reinterpret_cast<const D3DCOLOR*>(static_cast<const BYTE*>(locked.pBits) +
                                                            y * locked.Pitch);
    for (UINT x = 0; x < desc.Width; ++x) {
      const int a = row[x] >> 24, r = (row[x] >> 16) & 0xFF, g = (row[x] >> 8) & 0xFF,
                b = row[x] & 0xFF;
      const int light = (r * 30 + g * 59 + b * 11) / 100;
      range.alphaLow = std::min(range.alphaLow, a);
      range.alphaHigh = std::max(range.alphaHigh, a);
      range.lightLow = std::min(range.lightLow, light);
      range.lightHigh = std::max(range.lightHigh, light);
    }
  }
  texture->UnlockRect(0);
  return range;
}

TEST_P(PackPictureTest, DecodesAtItsSizeWithContent) {
  const PackPicture& picture = GetParam();
  ComHolder<IDirect3DTexture9> texture;
  D3DXIMAGE_INFO info = {};
  ASSERT_EQ(Decode(picture.id, texture.Out(), &info), D3D_OK) << picture.what;
  EXPECT_EQ(info.Width, picture.width) << picture.what;
  EXPECT_EQ(info.Height, picture.height) << picture.what;
  EXPECT_EQ(info.ImageFileFormat, D3DXIFF_PNG) << picture.what;

  D3DSURFACE_DESC desc;
  ASSERT_EQ(texture->GetLevelDesc(0, &desc), D3D_OK);
  ASSERT_EQ(desc.Format, picture.alpha ? D3DFMT_A8R8G8B8 : D3DFMT_X8R8G8B8) << picture.what;
  const TexelRange range = MeasureTexels(texture.Get());
  // A blank or flat picture is a broken generator, whatever its size. Pictures with alpha are
  // shaped by it (several are white throughout), the others by their colours.
  if (picture.alpha) {
    EXPECT_GE(range.alphaHigh - range.alphaLow, 128) << picture.what;
  } else {
    EXPECT_GE(range.lightHigh - range.lightLow, 64) << picture.what;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, PackPictureTest, ::testing::ValuesIn(Pictures),
                         [](const ::testing::TestParamInfo<PackPicture>& info) {
                           return "Id" + std::to_string(info.param.id);
                         });

TEST_F(PackOnDevice, DefaultPictureHasBlueSkyAtTheTop) {
  // Also proves the channel order: red and blue swapped would make the sky orange.
  ComHolder<IDirect3DTexture9> texture;
  ASSERT_EQ(Decode(5, texture.Out()), D3D_OK);
  D3DLOCKED_RECT locked;
  ASSERT_EQ(texture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY), D3D_OK);
  const D3DCOLOR sky = static_cast<const D3DCOLOR*>(locked.pBits)[512];
  texture->UnlockRect(0);
  EXPECT_GT(int(sky & 0xFF), int((sky >> 16) & 0xFF) + 60) << testing_support::DescribeColor(sky);
}

// The mesh's vertices in the player's layout.
std::vector<Vertex> Vertices(ID3DXMesh* mesh) {
  std::vector<Vertex> vertices(mesh->GetNumVertices());
  void* data = nullptr;
  if (SUCCEEDED(mesh->LockVertexBuffer(D3DLOCK_READONLY, &data))) {
    std::copy_n(static_cast<const Vertex*>(data), vertices.size(), vertices.begin());
    mesh->UnlockVertexBuffer();
  }
  return vertices;
}

std::vector<WORD> Indices(ID3DXMesh* mesh) {
  std::vector<WORD> indices(mesh->GetNumFaces() * 3);
  void* data = nullptr;
  if (SUCCEEDED(mesh->LockIndexBuffer(D3DLOCK_READONLY, &data))) {
    std::copy_n(static_cast<const WORD*>(data), indices.size(), indices.begin());
    mesh->UnlockIndexBuffer();
  }
  return indices;
}

TEST_P(PackMeshTest, LoadsWithNormalsUvsAndItsShape) {
  const PackMesh& mesh = GetParam();
  ComHolder<ID3DXMesh> loaded, clone;
  ASSERT_EQ(LoadMesh(mesh.id, D3DXMESH_SYSTEMMEM, loaded.Out(), clone.Out()), D3D_OK) << mesh.what;
  EXPECT_TRUE(loaded->GetFVF() & D3DFVF_NORMAL) << mesh.what << " has no normals";
  EXPECT_GE((loaded->GetFVF() & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT, 1u)
      << mesh.what << " has no texture coordinates";
  EXPECT_GT(loaded->GetNumFaces(), 0u);

  D3DXVECTOR3 low(1e9f, 1e9f, 1e9f), high(-1e9f, -1e9f, -1e9f);
  for (const Vertex& v : Vertices(clone.Get())) {
    D3DXVec3Minimize(&low, &low, &v.position);
    D3DXVec3Maximize(&high, &high, &v.position);
    EXPECT_NEAR(D3DXVec3Length(&v.normal), 1.0f, 1e-3f) << mesh.what;
    EXPECT_TRUE(v.u >= 0.0f && v.u <= 1.0f && v.v >= 0.0f && v.v <= 1.0f) << mesh.what;
  }
  for (int axis = 0; axis < 3; ++axis) {
    EXPECT_NEAR((&low.x)[axis], (&mesh.low.x)[axis], 0.01f) << mesh.what << " axis " << axis;
    EXPECT_NEAR((&high.x)[axis], (&mesh.high.x)[axis], 0.01f) << mesh.what << " axis " << axis;
  }
  // The rest of the player's pipeline that runs here (its OptimizeInplace is not implemented).
  EXPECT_EQ(D3DXComputeNormals(clone.Get(), nullptr), D3D_OK);
}

// Distance between two angles measured in whole turns (0..0.5).
float TurnDistance(float a, float b) {
  const float d = std::fmod(std::fabs(a - b), 1.0f);
  return std::fmin(d, 1.0f - d);
}

TEST_P(PackMeshTest, TextureCoordinatesFollowTheMeshsAxes) {
  const PackMesh& mesh = GetParam();
  ComHolder<ID3DXMesh> loaded, clone;
  ASSERT_EQ(LoadMesh(mesh.id, D3DXMESH_SYSTEMMEM, loaded.Out(), clone.Out()), D3D_OK) << mesh.what;
  for (const Vertex& v : Vertices(clone.Get())) {
    const D3DXVECTOR3& p = v.position;
    EXPECT_NEAR(v.v, (mesh.high.z - p.z) / (mesh.high.z - mesh.low.z), 1e-3f) << mesh.what;
    if (mesh.textureU == TextureU::AlongX) {
      EXPECT_NEAR(v.u, (p.x - mesh.low.x) / (mesh.high.x - mesh.low.x), 1e-3f) << mesh.what;
    } else if (std::hypot(p.x, p.y) > 1e-3f) {  // the tips on the axis have no angle
      const float turn = std::atan2(p.x, -p.y) / (2.0f * D3DX_PI);
      EXPECT_NEAR(TurnDistance(v.u, turn), 0.0f, 1e-3f) << mesh.what << " u " << v.u;
    }
  }
}

TEST_P(PackMeshTest, FacesAreWoundToShowFromOutsideInThePicture) {
  const PackMesh& mesh = GetParam();
  ComHolder<ID3DXMesh> loaded, clone;
  ASSERT_EQ(LoadMesh(mesh.id, D3DXMESH_SYSTEMMEM, loaded.Out(), clone.Out()), D3D_OK) << mesh.what;
  const std::vector<Vertex> vertices = Vertices(clone.Get());
  const std::vector<WORD> indices = Indices(clone.Get());
  for (size_t i = 0; i < indices.size(); i += 3) {
    const D3DXVECTOR3 &a = vertices[indices[i]].position, &b = vertices[indices[i + 1]].position,
                      &c = vertices[indices[i + 2]].position;
    D3DXVECTOR3 ab = b - a, ac = c - a, normal;
    D3DXVec3Cross(&normal, &ab, &ac);
    const D3DXVECTOR3 centre = (a + b + c) / 3.0f;
    const D3DXVECTOR3 inward = mesh.winding == Winding::TowardsAxisZ
                                   ? D3DXVECTOR3(-centre.x, -centre.y, 0.0f)
                                   : D3DXVECTOR3(0.0f, 1.0f, 0.0f);
    EXPECT_GT(D3DXVec3Dot(&normal, &inward), 0.0f) << mesh.what << " face " << i / 3;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryMesh, PackMeshTest, ::testing::ValuesIn(Meshes),
                         [](const ::testing::TestParamInfo<PackMesh>& info) {
                           return "Id" + std::to_string(info.param.id);
                         });

}  // namespace
}  // namespace pack_testing
