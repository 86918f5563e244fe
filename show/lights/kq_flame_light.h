// The flame light: a fire burns at the bottom of the picture and the whole scene shimmers as if
// seen through heat. The embedded fire effect is drawn on a quad of its own right after the
// picture; the heat distortion then takes the captured scene (picture, fire and every item) and
// draws it back through a scrolling bump map. The rest is the plain light.
//
// One test, distortion on being exactly 1, decides both that the slide captures the scene for
// this light and that the light ends that capture.
#pragma once

#include "items/fullscreen/kq_fire_fx.h"
#include "show/kq_2d_light.h"
#include "show/lights/bump_distortion_pass.h"

class KQ_FlameLight : public KQ_2D_Light {
public:
  static constexpr unsigned long CurrentVersion = 2;

  KQ_FlameLight();

  void Read(KQ_IOF_Virtual& stream, unsigned long version);
  void Write(KQ_IOF_Virtual& stream) const override;

  void InitDeviceObjects() override;
  void RestoreDeviceObjects() override;
  void RenderEffect() override;
  void FrameMove(float t) override;
  bool NeedsSceneCapture() const override { return distortionOn.Get() == 1; }
  void OnPictureChanged() override;

  MediaParamT<int> fireOn{1};
  MediaParamT<int> distortionOn{1};
  MediaParamT<unsigned int> fireOffset{0};  // 0.5 % of the picture height per unit, downwards
  KQ_FireFX fire;
  BumpDistortionPass distortion;

protected:
  void DrawBackground(PictureDraw picture) override;

  // The distortion's settings as the section stores them, after the fire's switches.
  void WriteDistortionSettings(KQ_IOF_Virtual& stream) const;

private:
  KQ_SimpleMesh<DX_V::PT> fireQuad_;
};
