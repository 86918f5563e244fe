#include "tests/support/picture_light_device_test.h"

namespace scene_testing {

void PictureLightDeviceTest::SetUp() {
  DocumentDeviceTest::SetUp();
  if (HasFailure()) return;
  light = std::make_unique<PictureLight>();
  light->InitDeviceObjects();
}

void PictureLightDeviceTest::TearDown() {
  light.reset();
  DocumentDeviceTest::TearDown();
}

void PictureLightDeviceTest::ShowPicture(IDirect3DTexture9* picture) {
  light->UsePicture(picture, Width, Height);
  light->Resize(Width, Height);
  light->RestoreDeviceObjects();
}

void PictureLightDeviceTest::DrawOverPicture(KQ_ABObj& item, D3DCOLOR background) {
  Clear(background);
  ASSERT_EQ(D3D_OK, device->BeginScene());
  light->RenderBackground();
  item.Draw(*light);
  device->EndScene();
}

}  // namespace scene_testing
