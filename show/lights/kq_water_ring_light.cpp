#include "show/lights/kq_water_ring_light.h"

#include "document/class_registry.h"
#include "document/doc_res_manager.h"
#include "render/clear_bound_surfaces.h"
#include "render/current_device.h"
#include "render/float_bits.h"
#include "render/matrices.h"
#include "render/picture_layout.h"
#include "show/lights/water_ring_parameters.h"

REGISTER_DOCUMENT_FAMILY_CLASS(KQ_WaterRingLight, KQ_2D_Light);

namespace {

const RippleEye WaterEye = {0, 120, 0};  // the water camera's place

}  // namespace

KQ_WaterRingLight::KQ_WaterRingLight()
    : dropRate(30, FloatFromBits(0x3C888889)),   // 1/60: value 30 is a drop every 2 s
      specular(90, 0.01f),
      shininess(50, FloatFromBits(0x3F4CCCCC)) {  // 0.8 rounded down
  D3DXMatrixIdentity(&waterWorld_);
  D3DXMatrixIdentity(&waterView_);
  D3DXMatrixIdentity(&waterCamera_);
  D3DXMatrixIdentity(&waterProjection_);
}

KQ_WaterRingLight::~KQ_WaterRingLight() = default;

void KQ_WaterRingLight::Read(KQ_IOF_Virtual& stream, unsigned long version) {
  if (version >= 2) {
    ReadSettings(stream, waveSpeed, rowDetail, columnDetail, dropStrength, calm, depth, dropRate,
                 specular, shininess);
  }
  ReadSettings(stream, mode);
  ReadBaseSection(stream, *this);
}

void KQ_WaterRingLight::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_WaterRingLight", CurrentVersion);
  WriteSettings(stream, waveSpeed, rowDetail, columnDetail, dropStrength, calm, depth, dropRate,
                specular, shininess, mode);
  KQ_2D_Light::Write(stream);
}

template <class Draw>
void KQ_WaterRingLight::Unlit(Draw draw) {
  CurrentDevice->SetRenderState(D3DRS_LIGHTING, FALSE);
  draw();
  CurrentDevice->SetRenderState(D3DRS_LIGHTING, TRUE);
}

void KQ_WaterRingLight::DrawMeshPart(const MeshPart& part) {
  Unlit([&] { KQ_2D_Light::DrawMeshPart(part); });
}

void KQ_WaterRingLight::DrawSprites(const SpriteBatch& sprites) {
  Unlit([&] { KQ_2D_Light::DrawSprites(sprites); });
}

void KQ_WaterRingLight::DrawMeshFrames(const TexturedIndexedMesh<DX_V::PNT>& mesh) {
  Unlit([&] { KQ_2D_Light::DrawMeshFrames(mesh); });
}

void KQ_WaterRingLight::ResetSurface() {
  surface_->waveSpeed = SurfaceWaveSpeed(waveSpeed.Get());
  surface_->dropStrength = SurfaceDropStrength(dropStrength.Get());
  surface_->damping = SurfaceDamping(calm.Get());
  surface_->depth = SurfaceDepth(depth.Get());
  surface_->Resize(30 / pictureQuad_.entry.aspect, 30, GridDetailFactor(rowDetail.Get()),
                   GridDetailFactor(columnDetail.Get()));
  surface_->AddRandomDrop();
}

void KQ_WaterRingLight::SetMaterial() const {
  D3DMATERIAL9 material = {};
  material.Diffuse = {0, 0, 0, 1};
  const float s = specular.Result();
  material.Specular = {s, s, s, 0};
  material.Power = shininess.Result();
  CurrentDevice->SetMaterial(&material);
}

void KQ_WaterRingLight::InitDeviceObjects() {
  KQ_2D_Light::InitDeviceObjects();
  D3DXMatrixRotationX(&waterCamera_, -1.5707964f);
  waterCamera_._41 = WaterEye.x;
  waterCamera_._42 = WaterEye.y;
  waterCamera_._43 = WaterEye.z;
  D3DXMatrixInverse(&waterView_, nullptr, &waterCamera_);
  ResetSurface();
  SetMaterial();
}

void KQ_WaterRingLight::RestoreDeviceObjects() {
  IDirect3DDevice9* device = CurrentDevice;
  device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  D3DLIGHT9 light = {};
  light.Type = D3DLIGHT_DIRECTIONAL;
  light.Diffuse = lightColor_;
  light.Specular = {1, 1, 1, 0};
  light.Direction = lightDirection_;
  device->SetLight(0, &light);
  device->LightEnable(0, TRUE);
  SetMaterial();
  device->SetFVF(D3DFVF_XYZ);
  device->SetTransform(D3DTS_VIEW, &waterView_);
  device->SetTransform(D3DTS_WORLD, &waterWorld_);
  device->SetRenderState(D3DRS_LIGHTING, FALSE);
  device->SetRenderState(D3DRS_SPECULARENABLE, FALSE);
  device->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESSEQUAL);
  device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  device->SetRenderState(D3DRS_SHADEMODE, D3DSHADE_GOURAUD);
  for (DWORD stage : {0u, 1u}) {
    device->SetTextureStageState(stage, D3DTSS_COLOROP, D3DTOP_DISABLE);
    device->SetTextureStageState(stage, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(stage, D3DTSS_COLORARG2, D3DTA_CURRENT);
    device->SetTextureStageState(stage, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
    device->SetTextureStageState(stage, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(stage, D3DTSS_ALPHAARG2, D3DTA_CURRENT);
    device->SetTextureStageState(stage, D3DTSS_TEXCOORDINDEX, 0);
  }
  device->SetRenderState(D3DRS_ZENABLE, FALSE);
  device->SetRenderState(D3DRS_LIGHTING, TRUE);
  device->SetRenderState(D3DRS_SPECULARENABLE, TRUE);
  device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
  device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
  device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_MIRROR);
  device->SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_MIRROR);
  ResetSurface();
  KQ_WaterRingLight::Resize(waterWidth_, waterHeight_);
  // The base light's restore is not run, yet its invalidate put the shared effects in the lost
  // state: they come back here, or a show of such lights alone would never reset them.
  RestoreSharedDeviceObjects();
}

void KQ_WaterRingLight::InvalidateDeviceObjects() {
  KQ_2D_Light::InvalidateDeviceObjects();
  surface_->ReleaseBuffers();
}

void KQ_WaterRingLight::Resize(int width, int height) {
  waterWidth_ = width;
  waterHeight_ = height;
  if (width == 0 || height == 0) return;
  KQ_2D_Light::Resize(width, height);
  const WaterWindow window = WaterWindowFor(pictureQuad_.entry.aspect, width, height);
  D3DXMatrixOrthoOffCenterRH(&waterProjection_, -window.halfWidth, window.halfWidth,
                             -window.halfHeight, window.halfHeight, -1, 2000);
  CurrentDevice->SetTransform(D3DTS_PROJECTION, &waterProjection_);
}

void KQ_WaterRingLight::SetPicturePosition(int position) {
  KQ_2D_Light::SetPicturePosition(position);
  KQ_WaterRingLight::Resize(waterWidth_, waterHeight_);
}

void KQ_WaterRingLight::FrameMove(float t) {
  camera.UpdateDrift(t);
  if (DropDue(t, dropRate.Result(), lastDropTime_)) surface_->AddRandomDrop();
  surface_->Update(WaterEye);
}

void KQ_WaterRingLight::DrawWater(IDirect3DTexture9* texture) {
  IDirect3DDevice9* device = CurrentDevice;
  // The texture plus the lit diffuse colour, which is black (the vertices are black and the
  // material's diffuse is 0): the texture's colour. The device adds the specular highlight after
  // the stages; Wine's device drops it from a stage that reads the texture alone.
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_ADD);
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_CURRENT);
  device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
  device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_CURRENT);
  device->SetTransform(D3DTS_WORLD, &waterWorld_);
  // The camera's pan and zoom and the Stretch / Fill scaling of the picture view, carried over
  // from picture pixels to water units about the water's top-left corner.
  const PictureView& view = CurrentPictureView();
  D3DXMATRIX layout;
  D3DXMatrixMultiply(&layout, &view.fillOffset, &view.fillScale);
  D3DXMatrixMultiply(&layout, &view.panZoom, &layout);
  const float pictureWidth = static_cast<float>(GetPictureWidth() ? GetPictureWidth() : 1);
  const float pictureHeight = static_cast<float>(GetPictureHeight() ? GetPictureHeight() : 1);
  const float a = (layout._41 / layout._11) / pictureWidth;
  const float b = (layout._42 / layout._22) / pictureHeight;
  const float w = surface_->Width(), h = surface_->Height();
  D3DXMATRIX scaleOnly = layout;
  scaleOnly._41 = 0;
  scaleOnly._42 = 0;
  D3DXMATRIX waterLayout = Translation(w * (0.5f + a), 0, h * (0.5f + b));
  D3DXMatrixMultiply(&waterLayout, &waterLayout, &waterView_);
  D3DXMatrixMultiply(&waterLayout, &waterLayout, &scaleOnly);
  const D3DXMATRIX corner = Translation(-w / 2, h / 2, 0);
  D3DXMatrixMultiply(&waterLayout, &waterLayout, &corner);
  device->SetTransform(D3DTS_VIEW, &waterLayout);
  device->SetTransform(D3DTS_PROJECTION, &waterProjection_);
  device->SetTexture(0, texture);
  surface_->Draw();
  view.SetBaseMatrices();
}

void KQ_WaterRingLight::DrawBackground(PictureDraw picture) {
  if (NeedsSceneCapture()) {
    // The picture goes into the capture as it is: unlit, straight from its texture, even in the
    // first frame, before any water draw has set the stage up.
    CurrentDevice->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    CurrentDevice->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    Unlit([&] { KQ_2D_Light::DrawBackground(picture); });
  } else {
    DrawWater(pictureQuad_.texture);
  }
}

void KQ_WaterRingLight::RenderEffect() {
  if (NeedsSceneCapture()) {
    // Without the capture pair (after a reset, before the next restore) the picture went straight
    // to the target, and the water is drawn from the picture instead.
    IDirect3DTexture9* scene = pictureQuad_.texture;
    if (IsCapturing()) scene = EndSceneCapture(true).current;
    DrawWater(scene);
  }
  CurrentPictureView().DrawBars();
}

void KQ_WaterRingLight::DrawFadeQuad(const ColorScreenQuad& quad) {
  KQ_2D_Light::DrawFadeQuad(quad);
  CurrentDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
}
