#include "show/kq_2d_light.h"

#include "document/class_registry.h"
#include "document/doc_res_manager.h"
#include "document/file_link.h"
#include "render/back_buffer.h"
#include "render/clear_bound_surfaces.h"
#include "render/current_device.h"
#include "render/picture_layout.h"
#include "render/screen_quad.h"
#include "render/view_frame.h"

REGISTER_DOCUMENT_FAMILY_CLASS(KQ_2D_Light, KQ_2D_Light);

KQ_2D_Light::KQ_2D_Light() {
  bindings_.BindFunLightCtrl2(&KQ_2D_Light::OnPictureChanged, pictureLink);
}

KQ_2D_Light::~KQ_2D_Light() { ReleaseAndNull(&sceneTexture_); }

void KQ_2D_Light::Read(KQ_IOF_Virtual& stream, unsigned long version) {
  if (version >= 2) ReadFileLink(stream, pictureLink);
  if (version >= 3) {
    const std::unique_ptr<KQM_Camera> stored = ReadCamera(stream);
    if (!stream.Failed()) camera = *stored;
  }
}

bool ReadBaseSection(KQ_IOF_Virtual& stream, KQ_2D_Light& light) {
  light.Read(stream, ReadSectionHeader(stream));
  return !stream.Failed();
}

void KQ_2D_Light::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_2D_Light", CurrentVersion);
  WriteFileLink(stream, pictureLink);
  camera.Write(stream);
}

void KQ_2D_Light::ReloadPicture() {
  TextureEntry picture;
  if (CurrentDocResManager) {
    picture = CurrentDocResManager->GetImageTextures(pictureLink).FirstFrameEntry();
  }
  pictureQuad_.entry = picture;
  pictureQuad_.SetPicture(pictureQuad_.entry);
}

void KQ_2D_Light::InitDeviceObjects() {
  pictureQuad_.CreateQuad();
  ReloadPicture();
  CurrentPictureView().ResetBars();
}

void KQ_2D_Light::RestoreDeviceObjects() {
  IDirect3DDevice9* device = CurrentDevice;
  device->SetRenderState(D3DRS_ZENABLE, FALSE);
  device->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
  device->SetRenderState(D3DRS_LIGHTING, FALSE);
  device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
  device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
  device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_MIRROR);
  device->SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_MIRROR);
  device->SetTextureStageState(0, D3DTSS_TEXCOORDINDEX, 0);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
  device->SetTextureStageState(1, D3DTSS_TEXCOORDINDEX, 1);
  device->SetTextureStageState(1, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
  RestoreSharedDeviceObjects();
}

void KQ_2D_Light::RestoreSharedDeviceObjects() {
  if (CurrentDocResManager) CurrentDocResManager->OnResetDevice();
  D3DSURFACE_DESC backBuffer;
  GetBackBufferDesc(backBuffer);
  captureTarget_.Create(static_cast<int>(backBuffer.Width), static_cast<int>(backBuffer.Height));
}

void KQ_2D_Light::InvalidateDeviceObjects() {
  capturing_ = false;
  captureTarget_.Release();
  ReleaseAndNull(&sceneTexture_);
  if (CurrentDocResManager) CurrentDocResManager->OnLostDevice();
}

void KQ_2D_Light::RenderEffect() { CurrentPictureView().DrawBars(); }

void KQ_2D_Light::DrawBackground(PictureDraw picture) {
  if (!pictureQuad_.texture) {
    CurrentDevice->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    return;
  }
  CurrentPictureView().SetBaseMatrices();
  CurrentPictureView().SetWorld(pictureQuad_.frame.world);
  BindTexturedQuadPT(pictureQuad_);
  if (picture == PictureDraw::Shown) pictureQuad_.Draw();
}

void KQ_2D_Light::FrameMove(float t) { camera.UpdateDrift(t); }

void KQ_2D_Light::Resize(int width, int height) {
  targetWidth_ = width;
  targetHeight_ = height;
  PictureView& view = CurrentPictureView();
  view.Setup(width, height, pictureQuad_.entry, view.position, false);
  const TextureEntry& picture = pictureQuad_.entry;
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  ScreenQuad fitted = ScreenQuad::FitImage(picture.width, picture.height, w, h);
  fitted.ScaleToBackBuffer(w, h);
  SetScreenMapping(fitted, width, height, static_cast<int>(picture.width),
                   static_cast<int>(picture.height));
}

void KQ_2D_Light::SetPicturePosition(int position) {
  captureRestorePosition_ = position;
  CurrentPictureView().Setup(targetWidth_, targetHeight_, pictureQuad_.entry, position, false);
  KQ_2D_Light::Resize(targetWidth_, targetHeight_);
}

void KQ_2D_Light::OnPictureChanged() {
  ReloadPicture();
  Resize(targetWidth_, targetHeight_);
}

void KQ_2D_Light::DrawFadeQuad(const ColorScreenQuad& quad) { DrawInVertexColours(quad); }

void KQ_2D_Light::BeginSceneCapture() {
  if (!captureTarget_.HasTextures()) return;
  captureRestorePosition_ = CurrentPictureView().position;
  captureTarget_.Begin(captureTarget_.current);
  capturing_ = true;
  CurrentPictureView().Setup(targetWidth_, targetHeight_, pictureQuad_.entry,
                             PositionCaptureStretch, false);
}

PingPongTarget& KQ_2D_Light::EndSceneCapture(bool clear) {
  if (!capturing_) return captureTarget_;
  capturing_ = false;
  CurrentPictureView().Setup(targetWidth_, targetHeight_, pictureQuad_.entry,
                             captureRestorePosition_, false);
  captureTarget_.End();
  if (clear) ClearBoundSurfaces(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
  return captureTarget_;
}

void KQ_2D_Light::ShowPictureAsScene() { ShareReference(&sceneTexture_, pictureQuad_.texture); }

void KQ_2D_Light::HandOnCapturedScene(bool moreReadersFollow) {
  IDirect3DTexture9* scene =
      moreReadersFollow ? captureTarget_.Flip() : EndSceneCapture(false).current;
  ShareReference(&sceneTexture_, scene);
}
