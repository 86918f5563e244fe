// The settings of a glow item: particles drawn through one effect three times
// over, into an offscreen glow target, then the target laid over the scene in a
// blend mode and colour, then the particles plainly on top (KQ_GlowingObj). The
// glow pass takes its texture from the first frame of the second image, the top
// pass from the first frame of the image.
//
// Abstract: a glow class supplies the particles' motion and the per-frame
// UpdateFrame.
#pragma once

#include <d3d9.h>

#include <memory>

#include "document/media_color.h"
#include "document/scaled_param.h"
#include "items/section_class.h"
#include "items/shader/kq_fx_particle_system_ctrl.h"
#include "render/com_holder.h"

// The colour stored, the strength set, then the effect particle section.
class KQ_GlowEffectCtrl : public SectionClass<KQ_GlowEffectCtrl, KQ_FXParticleSystemCtrl> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_GlowEffectCtrl";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.glowColour, s.glowStrength);
  }

  // A KQ_GlowingObj around a copy of these settings.
  std::unique_ptr<KQ_ABObj> CreateObject() override;
  // The effect, then both textures.
  void LoadResources() override;
  // The settings' part of a frame, before the particles move.
  virtual void UpdateFrame() {}

  // The glow target goes over the scene with screen blending when the additive
  // flag is exactly 1, else with normal blending.
  const char* CompositeTechnique() const;
  // The glow colour's red, green and blue / 255, then the strength.
  void BlendColor(float rgba[4]) const;

  IDirect3DTexture9* GlowTexture() const { return glowTexture_.Get(); }
  IDirect3DTexture9* TopTexture() const { return topTexture_.Get(); }

  MediaColor glowColour{0};                      // colour reference 0x00BBGGRR
  UINTSclaleTo<float> glowStrength{100, 0.01f};  // 100 is 1.0; not limited

protected:
  // Both textures from the first frames of the second image and of the image;
  // an image without frames leaves its texture null.
  void LoadGlowTextures();

private:
  ComHolder<IDirect3DTexture9> glowTexture_;
  ComHolder<IDirect3DTexture9> topTexture_;
};
