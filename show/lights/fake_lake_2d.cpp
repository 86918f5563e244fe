#include "show/lights/fake_lake_2d.h"

#include <objbase.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "document/class_registry.h"
#include "document/doc_res_manager.h"
#include "document/guid_string.h"
#include "render/clear_bound_surfaces.h"
#include "render/com_references.h"
#include "render/copy_texture.h"
#include "render/current_device.h"
#include "render/float_bits.h"
#include "render/picture_view.h"

REGISTER_DOCUMENT_FAMILY_CLASS(FakeLake2D, KQ_2D_Light);

namespace {

// The largest reflection: a 4096-pixel square with its mip chain is about 85 MB already.
constexpr DWORD LargestReflection = 4096;

// 128 << n pixels, with n kept within what the device holds and the process can afford (the
// stored Int is unchecked).
UINT ReflectionSide(int n) {
  D3DCAPS9 caps = {};
  CurrentDevice->GetDeviceCaps(&caps);
  const DWORD largest = std::max<DWORD>(
      std::min({caps.MaxTextureWidth, caps.MaxTextureHeight, LargestReflection}), 128);
  UINT side = 128;
  for (int i = 0; i < n && side * 2 <= largest; ++i) side *= 2;
  return side;
}

}  // namespace

FakeLake2D::FakeLake2D() {
  CoCreateGuid(&bumpKey.id);
  bumpKey.flag = true;
}

FakeLake2D::~FakeLake2D() {
  ReleaseAndNull(&bumpTexture_);
  ReleaseAndNull(&reflectionTexture_);
}

void FakeLake2D::Read(KQ_IOF_Virtual& stream, unsigned long version) {
  if (version >= 2) {
    ReadSettings(stream, bumpTiling, waveSpeed, lakeShare, generatorLevel, tintStrength, tintFade,
                 bumpAmplitude, bandHeight, reflectionSize, waterColor);
  }
  ReadGuidString(stream, bumpKey.id);
  ReadSettings(stream, bumpKey.name);
  stream.ReadBool(bumpKey.flag);
  ReadBaseSection(stream, *this);
}

void FakeLake2D::Write(KQ_IOF_Virtual& stream) const {
  // The document carries the bump texture under the key this section names. A light that holds
  // none yet (its device objects not made) leaves the document's own texture in place.
  if (CurrentDocResManager && bumpTexture_) {
    ShareReference(&CurrentDocResManager->GetResourceCache().guidTextures[bumpKey], bumpTexture_);
  }
  WriteSectionHeader(stream, L"FakeLake2D", CurrentVersion);
  WriteSettings(stream, bumpTiling, waveSpeed, lakeShare, generatorLevel, tintStrength, tintFade,
                bumpAmplitude, bandHeight, reflectionSize, waterColor);
  WriteGuidString(stream, bumpKey.id);
  WriteSettings(stream, bumpKey.name);
  stream.WriteBool(bumpKey.flag);
  KQ_2D_Light::Write(stream);
}

void FakeLake2D::InitDeviceObjects() {
  KQ_2D_Light::InitDeviceObjects();
  lakeMesh_.CreateVertexBuffer(6, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED);
  lakeMesh_.primitiveType = D3DPT_TRIANGLELIST;
  lakeMesh_.primitiveCount = 2;
  const D3DCOLOR rgb = WaterColourRGB(waterColor.Get());
  tintQuad_.SetRect(rgb, ScreenQuad());
  bandQuad_.SetRect(rgb, ScreenQuad());
  OnPictureChanged();
  ReleaseAndNull(&bumpTexture_);
  if (CurrentDocResManager) {
    const auto& stored = CurrentDocResManager->GetResourceCache().guidTextures;
    const auto found = stored.find(bumpKey);
    if (found != stored.end()) ShareReference(&bumpTexture_, found->second);
  }
}

void FakeLake2D::OnPictureChanged() {
  ReloadPicture();
  Resize(TargetWidth(), TargetHeight());
  IDirect3DTexture9* copy = nullptr;
  if (pictureQuad_.texture) {
    const UINT side = ReflectionSide(reflectionSize.Get());
    copy = CopyTexture(pictureQuad_.texture, side, side, D3DFMT_UNKNOWN);
  }
  ReleaseAndNull(&reflectionTexture_);
  reflectionTexture_ = copy;
  UpdateLakeGeometry();
}

void FakeLake2D::UpdateLakeGeometry() {
  LakeGeometry geometry =
      BuildLakeGeometry(static_cast<float>(GetPictureWidth()),
                        static_cast<float>(GetPictureHeight()), lakeShare.Result(), bandHeight.Get());
  SetBumpTiling(geometry.lake, bumpTiling.Result());
  if (LakeVertex* vertices = lakeMesh_.LockVertices()) {
    std::copy(std::begin(geometry.lake), std::end(geometry.lake), vertices);
    lakeMesh_.UnlockVertices();
  }
  for (auto [quad, rect] : {std::pair{&tintQuad_, &geometry.tint}, {&bandQuad_, &geometry.band}}) {
    if (!quad->LockVertices()) continue;
    quad->SetPositions(*rect);
    quad->UnlockVertices();
  }
  const TintAlphas alphas = TintAlphasOf(tintStrength.Result(), tintFade.Result());
  tintQuad_.SetCornerAlphas(alphas.bottom, alphas.bottom, alphas.horizon, alphas.horizon);
  bandQuad_.SetCornerAlphas(alphas.horizon, alphas.horizon, 0, 0);
}

void FakeLake2D::FrameMove(float t) {
  camera.UpdateDrift(t);
  waveSpeed.Advance(t);
  bumpMatrix_ = LakeBumpMatrix(waveSpeed.LocalTime());
}

void FakeLake2D::SetBumpStages() const {
  IDirect3DDevice9* device = CurrentDevice;
  device->SetTexture(0, bumpTexture_);
  device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
  device->SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
  device->SetTextureStageState(0, D3DTSS_BUMPENVMAT00, FloatBits(bumpMatrix_.m00));
  device->SetTextureStageState(0, D3DTSS_BUMPENVMAT01, FloatBits(bumpMatrix_.m01));
  device->SetTextureStageState(0, D3DTSS_BUMPENVMAT10, FloatBits(bumpMatrix_.m10));
  device->SetTextureStageState(0, D3DTSS_BUMPENVMAT11, FloatBits(bumpMatrix_.m11));
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_BUMPENVMAP);
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_CURRENT);
  device->SetTexture(1, reflectionTexture_);
  device->SetTextureStageState(1, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
}

void FakeLake2D::RestoreDeviceObjects() {
  IDirect3DDevice9* device = CurrentDevice;
  device->SetRenderState(D3DRS_ZENABLE, FALSE);
  device->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
  device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  D3DXMATRIX identity;
  D3DXMatrixIdentity(&identity);
  device->SetTransform(D3DTS_WORLD, &identity);
  device->SetRenderState(D3DRS_LIGHTING, FALSE);
  device->SetRenderState(D3DRS_AMBIENT, 0xFFFFFFFF);
  device->SetRenderState(D3DRS_DITHERENABLE, TRUE);
  device->SetRenderState(D3DRS_SPECULARENABLE, FALSE);
  for (DWORD sampler : {0u, 1u}) {
    device->SetSamplerState(sampler, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device->SetSamplerState(sampler, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    device->SetSamplerState(sampler, D3DSAMP_ADDRESSU, D3DTADDRESS_MIRROR);
    device->SetSamplerState(sampler, D3DSAMP_ADDRESSV, D3DTADDRESS_MIRROR);
  }
  device->SetTextureStageState(0, D3DTSS_TEXCOORDINDEX, 0);
  device->SetTextureStageState(1, D3DTSS_TEXCOORDINDEX, 1);
  device->SetTextureStageState(1, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  SetBumpStages();
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
  device->SetTextureStageState(1, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_DISABLE);
  // The bump stages switched stage 1 on; left so, the first frame's picture would be drawn
  // through the reflection. Every lake draw ends with it off, and so does the restore.
  device->SetTexture(1, nullptr);
  device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
  // The base light's restore is not run, yet its invalidate put the shared effects in the lost
  // state: they come back here, or a show of such lights alone would never reset them.
  RestoreSharedDeviceObjects();
}

void FakeLake2D::DrawBackground(PictureDraw picture) {
  IDirect3DDevice9* device = CurrentDevice;
  ClearBoundSurfaces(D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
  KQ_2D_Light::DrawBackground(picture);
  // Nothing to mirror without a picture; the base has cleared the target.
  if (!pictureQuad_.texture) return;
  // The picture's world matrix stays set, so the lake follows the picture and the camera.
  lakeMesh_.Bind();
  SetBumpStages();
  device->SetTextureStageState(1, D3DTSS_TEXCOORDINDEX, 1);
  lakeMesh_.Draw();
  device->SetTexture(1, nullptr);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
  DrawInVertexColours(tintQuad_);
  DrawInVertexColours(bandQuad_);
}
