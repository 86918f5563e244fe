#include "show/lights/kq_flame_light.h"

#include <algorithm>
#include <iterator>

#include "document/class_registry.h"
#include "document/doc_res_manager.h"
#include "items/d3dx_effect_calls.h"
#include "render/current_device.h"
#include "render/picture_layout.h"
#include "show/lights/flame_quad.h"

REGISTER_DOCUMENT_FAMILY_CLASS(KQ_FlameLight, KQ_2D_Light);

KQ_FlameLight::KQ_FlameLight() {
  fire.patternImage = KQ_FileLink3(7, L"tessaly.dll");
  fire.noiseImage = KQ_FileLink3(8, L"tessaly.dll");
}

void KQ_FlameLight::Read(KQ_IOF_Virtual& stream, unsigned long version) {
  ReadSettings(stream, fireOn, distortionOn, fireOffset);
  if (version == 1) ReadAndSet(stream, fire.speed);
  ReadSettings(stream, distortion.bumpLink, distortion.effectLink, distortion.speed,
               distortion.strength, distortion.bumpScale);
  if (version == 1) {
    KQ_ImageFileLink discarded;
    ReadSettings(stream, discarded, discarded);
  } else if (version >= 2) {
    const std::unique_ptr<KQ_FireFX> stored = ReadFireFX(stream);
    if (!stream.Failed()) fire = *stored;
  }
  ReadBaseSection(stream, *this);
}

void KQ_FlameLight::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_FlameLight", CurrentVersion);
  WriteSettings(stream, fireOn, distortionOn, fireOffset);
  WriteDistortionSettings(stream);
  fire.Write(stream);
  KQ_2D_Light::Write(stream);
}

void KQ_FlameLight::WriteDistortionSettings(KQ_IOF_Virtual& stream) const {
  WriteSettings(stream, distortion.bumpLink, distortion.effectLink, distortion.speed,
                distortion.strength, distortion.bumpScale);
}

void KQ_FlameLight::InitDeviceObjects() {
  KQ_2D_Light::InitDeviceObjects();
  fireQuad_.CreateQuadStrip();
  // Without its effect the distortion is off, and so is the capture for it.
  if (!distortion.Load()) distortionOn = 0;
  OnPictureChanged();
  fire.CreateDeviceObjects(nullptr);
}

void KQ_FlameLight::OnPictureChanged() {
  ReloadPicture();
  Resize(TargetWidth(), TargetHeight());
  const float width = static_cast<float>(GetPictureWidth());
  const float height = static_cast<float>(GetPictureHeight());
  distortion.SetSize(width, height);
  if (DX_V::PT* vertices = fireQuad_.LockVertices()) {
    DX_V::PT corners[4];
    FlameQuadCorners(width, height, fireOffset.Get(), corners);
    std::copy(std::begin(corners), std::end(corners), vertices);
    fireQuad_.UnlockVertices();
  }
}

void KQ_FlameLight::RestoreDeviceObjects() {
  IDirect3DDevice9* device = CurrentDevice;
  device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  device->SetRenderState(D3DRS_LIGHTING, FALSE);
  D3DXMATRIX identity;
  D3DXMatrixIdentity(&identity);
  device->SetTransform(D3DTS_WORLD, &identity);
  device->SetTextureStageState(0, D3DTSS_TEXCOORDINDEX, 0);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_CURRENT);
  device->SetTextureStageState(1, D3DTSS_TEXCOORDINDEX, 1);
  device->SetTextureStageState(1, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
  for (DWORD sampler = 0; sampler < 4; ++sampler) {
    device->SetSamplerState(sampler, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device->SetSamplerState(sampler, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
  }
  device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
  device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
  device->SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
  device->SetRenderState(D3DRS_ZENABLE, FALSE);
  KQ_2D_Light::Resize(TargetWidth(), TargetHeight());
  // The base light's restore is not run, yet its invalidate put the shared effects in the lost
  // state: they come back here, or a show of such lights alone would never reset them.
  RestoreSharedDeviceObjects();
}

void KQ_FlameLight::FrameMove(float t) {
  fire.Update(t);
  camera.UpdateDrift(t);
  distortion.Update(t);
}

void KQ_FlameLight::DrawBackground(PictureDraw picture) {
  KQ_2D_Light::DrawBackground(picture);
  ID3DXEffect* effect = fire.Effect();
  if (fireOn.Get() == 0 || !effect) return;
  D3DXEffectCalls calls(effect);
  fire.SetNoiseParameters(calls, fireQuad_.frame);
  calls.SetTechnique("AsEffect");
  DrawQuadWithEffect(fireQuad_, effect);
}

void KQ_FlameLight::RenderEffect() {
  // Only a capture that began is ended: other non-zero values began none, and after a reset the
  // pair is gone until the next restore.
  if (NeedsSceneCapture() && IsCapturing()) {
    IDirect3DTexture9* scene = EndSceneCapture(false).current;
    distortion.Draw(*this, scene);
  }
  CurrentDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  CurrentPictureView().DrawBars();
  CurrentDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
}
