// The demo lake's bump texture, made at build time as DDS bytes, becomes on the device the V8U8
// texture the lake's bump stage reads, with the slopes it was given, through the same maker the
// document's generated textures go through; and the bump file reader stays within its bytes.
#include <gtest/gtest.h>

#include <cstdint>

#include "document/bump_dds.h"
#include "document/d3dx_resource_maker.h"
#include "render/com_references.h"
#include "tests/support/guarded_bytes.h"
#include "tests/support/scene_device_test.h"
#include "tools/demo_show/lake_ripples.h"

namespace {

class LakeRipplesTest : public scene_testing::SceneDeviceTest {};

constexpr size_t DdsHeader = 128;

TEST_F(LakeRipplesTest, TheBumpFileBecomesAV8U8TextureWithItsSlopes) {
  const std::vector<uint8_t> file = demo_show::LakeRippleBumpFile(64);
  ASSERT_EQ(DdsHeader + 64 * 64 * 2, file.size());
  D3DXResourceMaker maker(device);
  D3DXIMAGE_INFO info = {};
  IDirect3DTexture9* texture = nullptr;
  ASSERT_EQ(D3D_OK, maker.CreateTextureFromMemory(file.data(), static_cast<UINT>(file.size()),
                                                  TextureUse::Picture, &info, &texture));
  EXPECT_EQ(D3DFMT_V8U8, info.Format);
  EXPECT_EQ(64u, info.Width);
  D3DSURFACE_DESC desc;
  texture->GetLevelDesc(0, &desc);
  EXPECT_EQ(D3DFMT_V8U8, desc.Format);
  D3DLOCKED_RECT locked;
  ASSERT_EQ(D3D_OK, texture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY));
  const auto* texels = static_cast<const uint8_t*>(locked.pBits);
  for (const auto& [x, y] : {std::pair{0, 0}, {5, 10}, {63, 63}}) {
    const size_t stored = DdsHeader + 2 * (64 * y + x);
    EXPECT_EQ(file[stored], texels[y * locked.Pitch + 2 * x]) << x << ", " << y;
    EXPECT_EQ(file[stored + 1], texels[y * locked.Pitch + 2 * x + 1]) << x << ", " << y;
  }
  texture->UnlockRect(0);
  ReleaseAndNull(&texture);
}

TEST_F(LakeRipplesTest, ShortOrForeignFilesAreRefusedWithoutReadingPastThem) {
  const std::vector<uint8_t> whole = demo_show::LakeRippleBumpFile(16);
  std::vector<uint8_t> notBump = whole;
  notBump[4 + 76 + 2] = 0;  // the bump du/dv flag cleared
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"one texel short", std::vector<uint8_t>(whole.begin(), whole.end() - 1)},
      {"the header alone", std::vector<uint8_t>(whole.begin(), whole.begin() + DdsHeader)},
      {"half a header", std::vector<uint8_t>(whole.begin(), whole.begin() + 60)},
      {"not a bump format", notBump},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const testing_support::GuardedBytes guarded(c.bytes);
    IDirect3DTexture9* texture = nullptr;
    EXPECT_EQ(E_FAIL, CreateBumpTextureFromDds(device, guarded.Data(),
                                               static_cast<UINT>(guarded.Size()), nullptr,
                                               &texture));
    EXPECT_EQ(nullptr, texture);
  }
  const testing_support::GuardedBytes exact(whole);
  IDirect3DTexture9* texture = nullptr;
  EXPECT_EQ(D3D_OK, CreateBumpTextureFromDds(device, exact.Data(), static_cast<UINT>(exact.Size()),
                                             nullptr, &texture));
  ReleaseAndNull(&texture);
}

}  // namespace
