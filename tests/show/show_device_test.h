// The scene's device fixture with what the show's tests add: a light that logs the calls the
// slide and the show make on it and can be given a picture without a resource manager, and
// solid-coloured textures.
#pragma once

#include <string>

#include "show/kq_2d_light.h"
#include "tests/show/test_items.h"
#include "tests/support/scene_device_test.h"

namespace show_testing {

class LoggingLight : public KQ_2D_Light {
public:
  // The picture becomes `texture` (a reference added), width x height pixels.
  void UsePicture(IDirect3DTexture9* texture, UINT width, UINT height);
  // Texture i of the capture pair.
  IDirect3DTexture9* CaptureTexture(int i) const { return captureTarget_.textures[i]; }
  IDirect3DTexture9* Picture() const { return pictureQuad_.texture; }

  void RestoreDeviceObjects() override;
  void Resize(int width, int height) override;
  void FrameMove(float t) override;
  // A light that needs the scene ends the capture here, as the effect lights do.
  void RenderEffect() override;
  void DrawFadeQuad(const ColorScreenQuad& quad) override;
  void BeginSceneCapture() override;
  PingPongTarget& EndSceneCapture(bool clear) override;
  bool NeedsSceneCapture() const override { return needsScene; }

  bool needsScene = false;

protected:
  void DrawBackground(PictureDraw picture) override;
};

class ShowDeviceTest : public scene_testing::SceneDeviceTest {
protected:
  void SetUp() override;

  // A managed texture of one colour, released when the test ends.
  IDirect3DTexture9* SolidTexture(UINT width, UINT height, D3DCOLOR color);
};

}  // namespace show_testing
