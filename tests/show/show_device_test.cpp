#include "tests/show/show_device_test.h"

#include "render/picture_layout.h"

namespace show_testing {

void LoggingLight::UsePicture(IDirect3DTexture9* texture, UINT width, UINT height) {
  pictureQuad_.entry = TextureEntry(texture, width, height, static_cast<float>(height) / width);
  pictureQuad_.SetPicture(pictureQuad_.entry);
}

void LoggingLight::RestoreDeviceObjects() {
  Log().push_back("restore");
  KQ_2D_Light::RestoreDeviceObjects();
}

void LoggingLight::Resize(int width, int height) {
  Log().push_back("resize " + std::to_string(width) + "x" + std::to_string(height));
  KQ_2D_Light::Resize(width, height);
}

void LoggingLight::FrameMove(float t) {
  Log().push_back("frame move");
  KQ_2D_Light::FrameMove(t);
}

void LoggingLight::DrawBackground(PictureDraw picture) {
  Log().push_back("background");
  KQ_2D_Light::DrawBackground(picture);
}

void LoggingLight::RenderEffect() {
  Log().push_back("effect");
  if (needsScene) EndSceneCapture(false);
  KQ_2D_Light::RenderEffect();
}

void LoggingLight::DrawFadeQuad(const ColorScreenQuad& quad) {
  Log().push_back("fade");
  KQ_2D_Light::DrawFadeQuad(quad);
}

void LoggingLight::BeginSceneCapture() {
  Log().push_back("begin capture");
  KQ_2D_Light::BeginSceneCapture();
}

PingPongTarget& LoggingLight::EndSceneCapture(bool clear) {
  Log().push_back("end capture");
  return KQ_2D_Light::EndSceneCapture(clear);
}

void ShowDeviceTest::SetUp() {
  SceneDeviceTest::SetUp();
  Log().clear();
  CurrentPictureView().position = PositionFit;
}

IDirect3DTexture9* ShowDeviceTest::SolidTexture(UINT width, UINT height, D3DCOLOR color) {
  return KeptTexture(width, height, [=](UINT, UINT) { return color; });
}

}  // namespace show_testing
