#include "show/lights/kq_glass_ball_light.h"

#include <cstring>

#include "document/class_registry.h"
#include "document/doc_res_manager.h"
#include "document/file_link.h"
#include "document/first_frame.h"
#include "document/setting_stream.h"
#include "render/back_buffer.h"
#include "render/current_device.h"
#include "render/pass_marks.h"
#include "render/picture_layout.h"
#include "show/lights/glass_ball_textures.h"

REGISTER_DOCUMENT_FAMILY_CLASS(KQ_GlassBallLight, KQ_2D_Light);

namespace {

constexpr float QuarterPi = 0.7853982f;

// Shared by every glass-ball light of the process.
float MotionPhase = 0;
bool PhaseStarted = false;
float PreviousPhaseTime = 0;

DWORD FloatBits(float value) {
  DWORD bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// A strip of four vertices with positions (left, bottom) .. (right, top) and uv spanning it.
HRESULT FillStrip(KQ_SimpleMesh<LensVertex>& strip, float left, float bottom, float right,
                  float top) {
  HRESULT hr = strip.CreateQuadStrip();
  if (FAILED(hr)) return hr;
  LensVertex* v = strip.LockVertices();
  if (!v) return E_FAIL;
  v[0] = {left, bottom, 0, 0, 1, 0, 0};
  v[1] = {left, top, 0, 0, 0, 0, 0};
  v[2] = {right, bottom, 0, 1, 1, 0, 0};
  v[3] = {right, top, 0, 1, 0, 0, 0};
  strip.UnlockVertices();
  return S_OK;
}

void RewriteBar(ColorScreenQuad& bar, const ScreenQuad& rect) {
  if (!bar.LockVertices()) return;
  bar.SetPositions(rect);
  bar.UnlockVertices();
}

}  // namespace

KQ_GlassBallLight::~KQ_GlassBallLight() {
  ReleaseAndNull(&bumpTexture_);
  ReleaseAndNull(&maskTexture_);
  ReleaseAndNull(&gradientTexture_);
  ReleaseAndNull(&overlayA_);
  ReleaseAndNull(&overlayB_);
  ReleaseAndNull(&standTexture_);
}

void KQ_GlassBallLight::Read(KQ_IOF_Virtual& stream, unsigned long) {
  ReadSettings(stream, overlayALink, overlayBLink, standLink, backgroundLink, speed, ballPosition,
               ballSize, magnification, overlayAOn, overlayBOn, standOn, backgroundMode,
               motionMode, gradientTop, gradientBottom);
  ReadBaseSection(stream, *this);
}

void KQ_GlassBallLight::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_GlassBallLight", CurrentVersion);
  WriteSettings(stream, overlayALink, overlayBLink, standLink, backgroundLink, speed,
                ballPosition, ballSize, magnification, overlayAOn, overlayBOn, standOn,
                backgroundMode, motionMode, gradientTop, gradientBottom);
  KQ_2D_Light::Write(stream);
}

void KQ_GlassBallLight::UpdateLensParameters() {
  lens_ = ComputeLensParameters(ballSize.Get(), magnification.Get(), layout_.zoomX,
                                layout_.fitShareY);
}

void KQ_GlassBallLight::DrawSize(float& width, float& height) const {
  if (pushed_) {
    width = static_cast<float>(TargetWidth());
    height = static_cast<float>(TargetHeight());
    return;
  }
  D3DSURFACE_DESC backBuffer;
  GetBackBufferDesc(backBuffer);
  width = static_cast<float>(backBuffer.Width);
  height = static_cast<float>(backBuffer.Height);
}

void KQ_GlassBallLight::Resize(int width, int height) {
  KQ_2D_Light::Resize(width, height);
  CurrentPictureView().Setup(width, height, background_, layoutPosition_, false);
  UpdateLensParameters();
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  ScreenQuad fitted = ScreenQuad::FitImage(background_.width, background_.height, w, h);
  if (!pushed_) fitted.ScaleToBackBuffer(w, h);
  const PictureView& view = CurrentPictureView();
  layout_ = LayOutBackground(fitted, view.panZoom * view.fillOffset * view.fillScale,
                             background_.width, background_.height);
  backgroundQuad_.SetRect(layout_.background);
  for (int i = 0; i < 4; ++i) RewriteBar(bars_[i], layout_.bars[i]);
  UpdateLensParameters();
  CurrentPictureView().Setup(width, height, background_, PositionFit, false);
}

void KQ_GlassBallLight::FrameMove(float t) {
  camera.UpdateDrift(t);
  Resize(TargetWidth(), TargetHeight());
  const int mode = motionMode.Get();
  if (mode == 0) {
    sway_ = 0;
    return;
  }
  if (!PhaseStarted) {
    PhaseStarted = true;
    PreviousPhaseTime = t;
  }
  MotionPhase += (t - PreviousPhaseTime) * speed.Result() * 0.0625f;
  if (mode == 1 || mode == 2) {
    sway_ = 0;
    float w, h;
    DrawSize(w, h);
    const float s = ScrollShare(mode, MotionPhase);
    scrollQuads_[0].SetRect(ScreenQuad::Rectangle(s * w, 0, s * w + w, h));
    scrollQuads_[1].SetRect(ScreenQuad::Rectangle(-(1 - s) * w, 0, s * w, h));
  } else if (mode == 3) {
    sway_ = SwayAtPhase(MotionPhase);
  }
  PreviousPhaseTime = t;
}

LensView KQ_GlassBallLight::CurrentLensView() const {
  LensView v;
  v.ballPosition = ballPosition.Get();
  v.magnification = magnification.Get();
  v.lens = lens_;
  v.zoomX = layout_.zoomX;
  v.zoomY = layout_.zoomY;
  v.panX = layout_.panX;
  v.panY = layout_.panY;
  v.fitShareX = layout_.fitShareX;
  v.fitShareY = layout_.fitShareY;
  DrawSize(v.drawWidth, v.drawHeight);
  v.targetWidth = static_cast<float>(TargetWidth());
  v.targetHeight = static_cast<float>(TargetHeight());
  v.pictureWidth = GetPictureWidth();
  v.pictureHeight = GetPictureHeight();
  v.backgroundWidth = background_.width;
  v.backgroundHeight = background_.height;
  v.backgroundMode = backgroundMode.Get();
  v.sway = sway_;
  return v;
}

void KQ_GlassBallLight::SetLensTransforms(bool lensPass) {
  const LensTransforms t = ComputeLensTransforms(CurrentLensView(), lensPass);
  IDirect3DDevice9* device = CurrentDevice;
  device->SetTransform(D3DTS_WORLD, &t.world);
  device->SetTransform(D3DTS_VIEW, &t.view);
  device->SetTransform(D3DTS_PROJECTION, &t.projection);
  lensTexture_ = t.texture;
  device->SetTransform(D3DTS_TEXTURE1, &lensTexture_);
  device->SetTextureStageState(1, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_COUNT2);
  device->SetTextureStageState(1, D3DTSS_TEXCOORDINDEX, D3DTSS_TCI_CAMERASPACEPOSITION | 1);
}

void KQ_GlassBallLight::DrawBallStrip() const {
  ball_.Bind();
  ball_.Draw();
}

void KQ_GlassBallLight::RenderEffect() {
  if (plainSwitch.Get() != 0) {
    CurrentPictureView().DrawBars();
    return;
  }
  IDirect3DDevice9* device = CurrentDevice;
  device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
  const int mode = motionMode.Get();
  if ((mode == 1 || mode == 2) && IsCapturing()) {
    // The scene so far, twice side by side, into the other texture of the pair.
    IDirect3DTexture9* scene = captureTarget_.Flip();
    for (TexturedQuad& quad : scrollQuads_) {
      ShareReference(&quad.texture, scene);
      quad.BindScreenVertices();
      quad.Draw();
    }
  }
  // Without the capture pair (after a reset, before the next restore) the picture went straight
  // to the target, and the ball shows the picture instead.
  IDirect3DTexture9* scene = nullptr;
  ShareReference(&scene, IsCapturing() ? EndSceneCapture(false).current : pictureQuad_.texture);

  backgroundQuad_.BindScreenVertices();
  backgroundQuad_.Draw();
  EndOfPass("glass ball: background");

  SetLensTransforms(true);
  device->SetTexture(0, bumpTexture_);
  device->SetTexture(1, scene);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_BUMPENVMAP);
  device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_CURRENT);
  device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
  DrawBallStrip();
  EndOfPass("glass ball: lens");

  SetLensTransforms(false);
  device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
  device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
  device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
  device->SetTexture(1, nullptr);
  // An overlay that did not load is left out rather than drawn as a blank quad.
  if (overlayAOn.Get() != 0 && overlayA_) {
    device->SetTexture(0, overlayA_);
    DrawBallStrip();
  }
  if (overlayBOn.Get() != 0 && overlayB_) {
    device->SetTexture(0, overlayB_);
    DrawBallStrip();
  }
  EndOfPass("glass ball: overlays");

  device->SetTexture(0, maskTexture_);
  device->SetTexture(1, backgroundQuad_.texture);
  lensTexture_ = MaskTextureTransform(lensTexture_, CurrentLensView());
  device->SetTransform(D3DTS_TEXTURE1, &lensTexture_);
  DrawBallStrip();

  device->SetTexture(1, nullptr);
  if (standOn.Get() != 0 && standTexture_) {
    device->SetTexture(0, standTexture_);
    stand_.Bind();
    stand_.Draw();
  }
  device->SetTexture(0, nullptr);
  if (backgroundMode.Get() == 1 && layoutPosition_ == PositionFit) {
    for (const ColorScreenQuad& bar : bars_) DrawFadeQuad(bar);
  }
  ReleaseAndNull(&scene);
}

void KQ_GlassBallLight::InitDeviceObjects() {
  KQ_2D_Light::InitDeviceObjects();
  ShareReference(&overlayA_, FirstFrame(overlayALink));
  ShareReference(&overlayB_, FirstFrame(overlayBLink));
  ShareReference(&standTexture_, FirstFrame(standLink));
  BuildBumpTexture(&bumpTexture_);
  BuildGradientTexture(&gradientTexture_, gradientTop.Get(), gradientBottom.Get());
  BuildMaskTexture(&maskTexture_);
  backgroundQuad_.SetTextureAndRect(gradientTexture_, ScreenQuad::FullScreen());
  for (TexturedQuad& quad : scrollQuads_) quad.SetRectUntextured(ScreenQuad::FullScreen());
  if (FAILED(FillStrip(ball_, -256, -256, 256, 256))) return;
  for (ColorScreenQuad& bar : bars_) bar.SetRectAndColor(0xFF000000, ScreenQuad::FullScreen());
  if (FAILED(FillStrip(stand_, -230.4f, -372.19293f, 232.9f, -185.61412f))) return;

  IDirect3DDevice9* device = CurrentDevice;
  D3DXMATRIX world, view, projection;
  D3DXMatrixIdentity(&world);
  const D3DXVECTOR3 eye(0, 0, -2001), at(0, 0, 0), up(0, 1, 0);
  D3DXMatrixLookAtLH(&view, &eye, &at, &up);
  D3DXMatrixPerspectiveFovLH(&projection, QuarterPi, 1.0f, 1.0f, 3000.0f);
  device->SetTransform(D3DTS_WORLD, &world);
  device->SetTransform(D3DTS_VIEW, &view);
  device->SetTransform(D3DTS_PROJECTION, &projection);
  ChooseBackground();
  ReloadBackgroundImage();
}

void KQ_GlassBallLight::ChooseBackground() {
  if (backgroundMode.Get() == 1) {
    ShareReference(&backgroundQuad_.texture, background_.texture.Get());
    layoutPosition_ = PositionFit;
  } else {
    ShareReference(&backgroundQuad_.texture, gradientTexture_);
    layoutPosition_ = PositionFill;
  }
  Resize(TargetWidth(), TargetHeight());
  Resize(TargetWidth(), TargetHeight());
}

void KQ_GlassBallLight::ReloadBackgroundImage() {
  background_ = TextureEntry();
  if (CurrentDocResManager) {
    background_ = CurrentDocResManager->GetImageTextures(backgroundLink).FirstFrameEntry();
  }
  if (backgroundMode.Get() == 1) {
    ShareReference(&backgroundQuad_.texture, background_.texture.Get());
    Resize(TargetWidth(), TargetHeight());
  }
}

void KQ_GlassBallLight::RestoreDeviceObjects() {
  KQ_2D_Light::RestoreDeviceObjects();
  IDirect3DDevice9* device = CurrentDevice;
  device->SetSamplerState(1, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP);
  device->SetSamplerState(1, D3DSAMP_ADDRESSV, D3DTADDRESS_WRAP);
  device->SetSamplerState(1, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
  device->SetSamplerState(1, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
  device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
  device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
  device->SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR);
  device->SetTextureStageState(0, D3DTSS_BUMPENVMAT00, FloatBits(0.2f));
  device->SetTextureStageState(0, D3DTSS_BUMPENVMAT01, FloatBits(0.0f));
  device->SetTextureStageState(0, D3DTSS_BUMPENVMAT10, FloatBits(0.0f));
  device->SetTextureStageState(0, D3DTSS_BUMPENVMAT11, FloatBits(0.25f));
  device->SetTextureStageState(0, D3DTSS_BUMPENVLSCALE, FloatBits(1.0f));
  device->SetTextureStageState(0, D3DTSS_BUMPENVLOFFSET, FloatBits(0.0f));
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device->SetTextureStageState(1, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(1, D3DTSS_COLORARG2, D3DTA_CURRENT);
  device->SetTextureStageState(1, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
}

void KQ_GlassBallLight::InvalidateDeviceObjects() {
  KQ_2D_Light::InvalidateDeviceObjects();
  for (TexturedQuad& quad : scrollQuads_) ReleaseAndNull(&quad.texture);
}

void KQ_GlassBallLight::SetPicturePosition(int position) {
  layoutPosition_ = backgroundMode.Get() == 1 ? position : PositionFill;
  Resize(TargetWidth(), TargetHeight());
}

void KQ_GlassBallLight::PushTargetSize(const PingPongTarget& target, int position) {
  pushed_ = true;
  savedLayoutPosition_ = layoutPosition_;
  layoutPosition_ = backgroundMode.Get() == 1 ? position : PositionFill;
  Resize(TargetWidth(), TargetHeight());
  savedWidth_ = TargetWidth();
  savedHeight_ = TargetHeight();
  Resize(target.width, target.height);
  KQ_2D_Light::PushTargetSize(target, position);
}

void KQ_GlassBallLight::PopTargetSize() {
  // The base pop first: it would otherwise put back the pushed target's size, which it saved
  // after the resize above.
  KQ_2D_Light::PopTargetSize();
  pushed_ = false;
  Resize(savedWidth_, savedHeight_);
  layoutPosition_ = backgroundMode.Get() == 1 ? savedLayoutPosition_ : PositionFill;
  Resize(TargetWidth(), TargetHeight());
}
