// The effect light that shows the slide as if seen through a glass ball. The slide's picture and
// items are captured into a texture; the light then draws on the back buffer a background (a
// two-colour gradient or a second image), a ball-sized quad in a small 3D scene whose first
// stage is a bump-environment map shaped like a sphere and whose second stage samples the
// captured scene magnified, optional overlay images on the ball, the background again outside
// the ball's circle (through a circular alpha mask), an optional stand under the ball and, with
// the background image in Fit, letterbox bars. The ball's content stays still, sways, or scrolls
// sideways as an endless panorama. Everything is fixed-function.
//
// The motion phase is shared by every glass-ball light of the process, on every monitor.
#pragma once

#include "document/media_color.h"
#include "document/scaled_param.h"
#include "render/color_screen_quad.h"
#include "render/picture_position.h"
#include "render/textured_quad.h"
#include "show/kq_2d_light.h"
#include "show/lights/glass_ball_lens.h"

// The ball's and the stand's vertex: a position and two uv pairs (the second is generated).
struct LensVertex {
  float x, y, z;
  float u0, v0, u1, v1;
  static constexpr DWORD FVF = D3DFVF_XYZ | D3DFVF_TEX2;
};
static_assert(sizeof(LensVertex) == 28 && LensVertex::FVF == 0x202);

class KQ_GlassBallLight : public KQ_2D_Light {
public:
  static constexpr unsigned long CurrentVersion = 1;

  KQ_GlassBallLight() = default;
  ~KQ_GlassBallLight() override;

  void Read(KQ_IOF_Virtual& stream, unsigned long version);
  void Write(KQ_IOF_Virtual& stream) const override;

  void PushTargetSize(const PingPongTarget& target, int position) override;
  void PopTargetSize() override;
  void InitDeviceObjects() override;
  void RestoreDeviceObjects() override;
  void InvalidateDeviceObjects() override;
  void RenderEffect() override;
  void FrameMove(float t) override;
  void Resize(int width, int height) override;
  void SetPicturePosition(int position) override;
  bool NeedsSceneCapture() const override { return plainSwitch.Get() == 0; }

  const LensParameters& Lens() const { return lens_; }
  const BackgroundLayout& Layout() const { return layout_; }
  float Sway() const { return sway_; }
  int LayoutPosition() const { return layoutPosition_; }
  // The view the ball's transforms are computed from, as of now.
  LensView CurrentLensView() const;

  KQ_ImageFileLink overlayALink{58, L"tessaly.dll"};
  KQ_ImageFileLink overlayBLink{59, L"tessaly.dll"};
  KQ_ImageFileLink standLink{60, L"tessaly.dll"};
  KQ_ImageFileLink backgroundLink{5, L"tessaly.dll"};
  UINTSclaleTo<float> speed{0, 0.02f, 1.0f};  // rate of the motion phase
  MediaParamTB<POINT> ballPosition{POINT{0, 0}};  // ball centre offset in design units
  MediaParamT<unsigned int> ballSize{100};        // percent; sets the eye distance
  MediaParamT<unsigned int> magnification{0};
  MediaParamT<int> plainSwitch{0};  // not stored; not 0 turns the effect off
  MediaParamT<int> overlayAOn{1};
  MediaParamT<int> overlayBOn{1};
  MediaParamT<int> standOn{0};
  MediaParamT<int> backgroundMode{0};  // 1: the background image; else the gradient, in Fill
  MediaParamT<int> motionMode{3};      // 0 still, 1 and 2 scroll, 3 sway
  MediaColor gradientTop{0};
  MediaColor gradientBottom{0};

private:
  // Eye distance, lens scale and sway amplitude from the settings and the current layout.
  void UpdateLensParameters();
  // WORLD, VIEW, PROJECTION and the stage-1 texture transform of the lens pass or the other one.
  void SetLensTransforms(bool lensPass);
  // The background quad shows the image (mode 1, laid out by the slide's position) or the
  // gradient (in Fill).
  void ChooseBackground();
  void ReloadBackgroundImage();
  // The size the light draws at: the pushed target's, or the back buffer's.
  void DrawSize(float& width, float& height) const;
  void DrawBallStrip() const;

  KQ_SimpleMesh<LensVertex> ball_;
  KQ_SimpleMesh<LensVertex> stand_;
  float sway_ = 0;
  IDirect3DTexture9* bumpTexture_ = nullptr;
  IDirect3DTexture9* maskTexture_ = nullptr;
  IDirect3DTexture9* gradientTexture_ = nullptr;
  TextureEntry background_;
  IDirect3DTexture9* overlayA_ = nullptr;
  IDirect3DTexture9* overlayB_ = nullptr;
  IDirect3DTexture9* standTexture_ = nullptr;
  ColorScreenQuad bars_[4];
  TexturedQuad backgroundQuad_;
  TexturedQuad scrollQuads_[2];
  LensParameters lens_;
  BackgroundLayout layout_;
  int layoutPosition_ = PositionFit;  // the picture position of the background
  int savedLayoutPosition_ = PositionFit;
  bool pushed_ = false;               // a PushTargetSize is in force
  int savedWidth_ = 0, savedHeight_ = 0;
  D3DXMATRIX lensTexture_;            // the stage-1 texture transform last set
};
