#include "items/fullscreen/kq_fire_fx.h"

#include <algorithm>

#include "document/class_registry.h"
#include "document/doc_res_manager.h"
#include "document/first_frame.h"
#include "document/setting_stream.h"
#include "items/fullscreen/effect_colour.h"
#include "render/picture_layout.h"

REGISTER_DOCUMENT_CLASS(KQ_FireFX);

namespace {

// The pattern size of slider value 1: value 0 would stretch u to infinity.
constexpr float SmallestPatternSize = 0.01f;
constexpr int GridCells = 8;  // per side

}  // namespace

KQ_FireFX::KQ_FireFX() : ItemClass(92, 50, 0.02f) {}

void KQ_FireFX::Read(KQ_IOF_Virtual& stream, unsigned long version) {
  if (version > 1) {
    ReadSettings(stream, corners, endColor, startColor, auxInt1, patternImage, noiseImage,
                 auxInt2, density, brightness, patternSize);
  }
  KQ_FX_Constructor::Read(stream, ReadSectionHeader(stream));
}

std::unique_ptr<KQ_FireFX> ReadFireFX(KQ_IOF_Virtual& stream) {
  return ReadEmbeddedEffect<KQ_FireFX>(stream);
}

ScreenQuad KQ_FireFX::FireQuad() const {
  const float uEnd = 1.0f / std::max(patternSize.Result(), SmallestPatternSize);
  const float uv[4][2] = {{0, 0}, {0, 1}, {uEnd, 0}, {uEnd, 1}};
  ScreenQuad quad;
  for (int i = 0; i < 4; ++i) {
    const D3DXVECTOR3& corner = corners.corners[i].Get();
    quad.vertices[i] = {corner.x, corner.y, corner.z, uv[i][0], uv[i][1]};
  }
  return quad;
}

void KQ_FireFX::CreateDeviceObjects(IDirect3DTexture9* const* maskSlot) {
  KQ_FX_Constructor::CreateDeviceObjects(maskSlot);
  patternTexture_.Share(FirstFrame(patternImage));
  noiseTexture_.Share(FirstFrame(noiseImage));

  grid_.columns = GridCells;
  grid_.rows = GridCells;
  grid_.CreateVertexBuffer((GridCells + 1) * (GridCells + 1), D3DUSAGE_WRITEONLY,
                           D3DPOOL_MANAGED);
  grid_.primitiveType = D3DPT_TRIANGLELIST;
  grid_.CreateIndexBuffer();
  grid_.FillFromQuad(FireQuad());
}

void KQ_FireFX::SetNoiseParameters(EffectCalls& effect, const KQ_Frame& meshFrame) const {
  D3DXMATRIX matrix;
  const PictureView& view = CurrentPictureView();
  effect.SetMatrix("WorldViewProj", *view.GetWorldViewProj(&matrix, meshFrame.world));
  effect.SetMatrix("ViewProj", *view.GetViewProj(&matrix));
  effect.SetTexture("Noise", noiseTexture_.Get());
  effect.SetTexture("Pattern", patternTexture_.Get());
  const float t = LocalTime();
  const float c11[2] = {0, 1.3f * t}, c12[2] = {0, 2.1f * t}, c13[2] = {0, 2.3f * t};
  effect.SetFloatArray("c11", c11, 2);
  effect.SetFloatArray("c12", c12, 2);
  effect.SetFloatArray("c13", c13, 2);
}

void KQ_FireFX::ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) {
  SetNoiseParameters(effect, grid_.frame);
  // While a capture target is drawn the picture fills the target.
  const PictureView& view = CurrentPictureView();
  const bool capturing = view.position == PositionCaptureStretch;
  const float background[2] = {capturing ? 1.0f : view.targetPerFittedX,
                               capturing ? 1.0f : view.targetPerFittedY};
  float start[3], end[3];
  EffectColour(startColor.Get(), start);
  EffectColour(endColor.Get(), end);
  const float change[3] = {end[0] - start[0], end[1] - start[1], end[2] - start[2]};
  effect.SetFloatArray("ColorK1", start, 3);
  effect.SetFloatArray("ColorK2", change, 3);
  effect.SetFloatArray("bg_scale_factor", background, 2);
  effect.SetTexture("Mask", GetMaskTexture());
  effect.SetTexture("Background", *light.GetSceneTexture());
  effect.SetFloat("Brightness", brightness.Result());
  effect.SetFloat("Density", density.Result());
  effect.SetTechnique("Main");
  effect.DrawIndexed(light, grid_);
}
