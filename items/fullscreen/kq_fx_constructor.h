// Base of the full-screen effects: items that redraw the slide's picture through an HLSL effect
// (a tiled pattern, waves, a light pulse, water, a moving picture, fire). It owns what they all
// share: the speed clock that is the effect's time, the effect file and the loaded effect, a
// mask texture kept in the document under a GUID, the as-effect switch between drawing over
// the picture ("Main") and over the scene captured so far ("MainFX"), and the common last step
// of a draw (DrawEffectPass). Each effect adds its settings and ApplyEffectWith, which sets its
// parameters and ends with DrawEffectPass.
//
// At run time a KQ_BrushObj holds a clone, which loads the effect and the mask once, when the
// run-time object is made. A slide restart leaves the clock alone: it only runs while the
// slide is current.
#pragma once

#include <d3dx9effect.h>

#include <memory>

#include "document/file_link.h"
#include "document/guid_key.h"
#include "document/media_param_t.h"
#include "document/media_speed_param.h"
#include "document/scaled_param.h"
#include "items/effect_calls.h"
#include "items/kq_abobj_constructor.h"
#include "render/com_holder.h"

class KQ_FX_Constructor : public KQ_ABObj_Constructor {
public:
  static constexpr unsigned long CurrentVersion = 2;

  // The picture's size for the effects' arithmetic.
  struct PictureSize {
    float width, height;
  };

  KQ_FX_Constructor();
  // Copies share the effect and the mask, with a reference each; assignment releases the
  // previous ones and tells the scaled settings' controls.
  KQ_FX_Constructor(const KQ_FX_Constructor& other) = default;
  KQ_FX_Constructor& operator=(const KQ_FX_Constructor& other) = default;

  // The "KQ_FX_Constructor" section, then the item's base section; every effect's Write ends
  // with it.
  void Write(KQ_IOF_Virtual& stream) const override;
  // This level's fields as the version has them, then the item's base section.
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  // A KQ_BrushObj around Clone().
  std::unique_ptr<KQ_ABObj> CreateObject() override;
  // A heap copy made by the class's copy constructor.
  virtual std::unique_ptr<KQ_FX_Constructor> Clone() const = 0;

  // The effect from the current resource manager, then the mask from `maskSlot` (which may
  // point at no texture).
  virtual void CreateDeviceObjects(IDirect3DTexture9* const* maskSlot);
  // The clock moves to application time `seconds`.
  virtual void Update(float seconds);
  // Sets the parameters and draws through the loaded effect; nothing without one.
  void ApplyEffect(KQ_ABRender& light);
  // The same through `effect`.
  virtual void ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) = 0;

  // The mask := the texture `slot` points at, with a reference (none for a null slot).
  void SetMaskTexture(IDirect3DTexture9* const* slot);
  IDirect3DTexture9* GetMaskTexture() const { return maskTexture_.Get(); }
  ID3DXEffect* Effect() const { return effect_.Get(); }

  // 1 when the effect draws over the scene captured so far, else 0.
  int NeedsSceneCapture() const { return asEffect.Get() != 0 ? 1 : 0; }
  // True when a draw replaces the whole picture: DrawEffectPass writes every pixel of the
  // picture's quad with blending off, and over the picture itself (not the captured scene, which
  // holds the picture drawn before) it reads nothing of what is under it.
  virtual bool HidesPicture() const { return Effect() && NeedsSceneCapture() == 0; }
  // The effect's time: the clock's scaled seconds.
  float LocalTime() const { return speed.LocalTime(); }

  // The picture's size, a picture without a size counting as 1 x 1.
  static PictureSize PictureSizeOf(const KQ_ABRender& light);

  MediaSpeedParam speed;       // each effect gives its own value and scale
  MediaParamT<int> asEffect;   // non-zero: over the captured scene
  KQ_HLSLEffectFile effectFile;
  UINTSclaleTo<float> scale{50, 0.02f};  // k, the divisor of "Scale"
  GuidKey maskKey;             // the mask among the document's generated textures

protected:
  // The effect file ("tessaly.dll", `effectId`) and the speed value and scale.
  KQ_FX_Constructor(int effectId, unsigned int speedValue, float speedScale);

  // Technique, "Scale", "Mask" and "Background", then the picture quad with every pass.
  void DrawEffectPass(EffectCalls& effect, KQ_ABRender& light) const;
  // This level's fields as version 1 stores them; version 2 appends the scale.
  void WriteVersion1Fields(KQ_IOF_Virtual& stream) const;

private:
  ComHolder<IDirect3DTexture9> maskTexture_;
  ComHolder<ID3DXEffect> effect_;
};

// A whole section of the effect X that a light embeds, header included, read into a new X with
// its defaults.
template <class X>
std::unique_ptr<X> ReadEmbeddedEffect(KQ_IOF_Virtual& stream) {
  auto effect = std::make_unique<X>();
  effect->Read(stream, ReadSectionHeader(stream));
  return effect;
}
