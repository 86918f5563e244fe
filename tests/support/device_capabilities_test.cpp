// The whole show needs bump-environment mapping and V8U8 textures; the test device must offer both.
#include "tests/support/device_fixture.h"

namespace {

using testing_support::DeviceTest;

TEST_F(DeviceTest, OffersBumpEnvironmentMappingAndV8U8) {
  D3DCAPS9 caps = {};
  ASSERT_EQ(D3D_OK, device->GetDeviceCaps(&caps));
  EXPECT_TRUE(caps.TextureOpCaps & D3DTEXOPCAPS_BUMPENVMAP);
  EXPECT_EQ(D3D_OK, d3d->CheckDeviceFormat(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, 0,
                                           D3DRTYPE_TEXTURE, D3DFMT_V8U8));
}

TEST_F(DeviceTest, ReadsBackWhatWasCleared) {
  Clear(D3DCOLOR_XRGB(0x20, 0x80, 0xE0));
  EXPECT_COLOR_NEAR(ReadPixel(0, 0), D3DCOLOR_XRGB(0x20, 0x80, 0xE0), 0);
  EXPECT_COLOR_NEAR(ReadPixel(Width - 1, Height - 1), D3DCOLOR_XRGB(0x20, 0x80, 0xE0), 0);
}

}  // namespace
