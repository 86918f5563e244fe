// The flame light's heat haze: the captured scene drawn back over the picture through an HLSL
// effect that pushes its lookups by a bump map scrolling two ways at once. The pass owns its quad
// (the picture's size), the bump image, the effect and the three settings that drive it.
//
// The parameters go through EffectCalls, so what the pass sends is tested without a device.
#pragma once

#include "document/file_link.h"
#include "document/image_file_link.h"
#include "document/media_speed_param.h"
#include "items/effect_calls.h"
#include "render/com_holder.h"
#include "render/kq_simple_mesh.h"
#include "render/vertex_formats.h"

class BumpDistortionPass {
public:
  // The quad's buffer over an 800 x 600 picture, the bump image and the effect. True when the
  // effect is there; without a bump image the pass still draws, every lookup pushed alike.
  bool Load();
  // The quad spans a width x height picture.
  void SetSize(float width, float height);
  // The clock moves to show time t; the parameters at its new time.
  void Update(float t);
  void SetParameters(EffectCalls& effect) const;
  // The scene texture through the effect onto the quad, which `light` places.
  void Draw(KQ_ABRender& light, IDirect3DTexture9* scene);
  void DrawWith(EffectCalls& effect, KQ_ABRender& light, IDirect3DTexture9* scene) const;

  bool Loaded() const { return effect_.Get() != nullptr; }
  const KQ_SimpleMesh<DX_V::PT>& Quad() const { return quad_; }

  KQ_ImageFileLink bumpLink{62, L"tessaly.dll"};
  KQ_HLSLEffectFile effectLink{63, L"tessaly.dll"};
  MediaSpeedParam speed{50, 0.001f};                 // the scroll's clock
  UINTSclaleTo<float> strength{25, 0.002f};          // how far the lookups are pushed
  UINTSclaleTo<float> bumpScale{88, -0.009f, 1.0f};  // the bump map's tiling

private:
  void WriteQuad(float width, float height);

  KQ_SimpleMesh<DX_V::PT> quad_;
  ComHolder<ID3DXEffect> effect_;
  ComHolder<IDirect3DTexture9> bumpTexture_;
  float aspect_ = 1.0f;  // the quad's height / width
};
