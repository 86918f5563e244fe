// The run-time object of a glow item: the particles of its settings copy, and a
// 512 x 512 glow target. Each frame it draws the particles three times through
// the settings' effect: "Blend_Max" into the cleared glow target, laid out in
// the target's own pixels; the target over the scene drawn so far
// ("Blend_Screen" or "Blend_Normal", tinted by "BlendColor"), on the picture's
// quad; and "Common" on top. So it always asks for the scene to be captured.
//
// The target's textures live in the default pool. The target is handed to the
// resource manager that was current when the item was made, among its render
// targets, which it releases before a device reset and makes again when a light
// restores its device objects; the manager outlives the item. While the target
// has no textures the glow and the composite are left out.
#pragma once

#include <memory>

#include "document/guid_key.h"
#include "items/kq_abobj.h"
#include "items/particle_geom_array.h"
#include "items/shader/kq_glow_effect_ctrl.h"
#include "render/ping_pong_target.h"

class EffectCalls;
struct ResourceCache;

class KQ_GlowingObj final : public KQ_ABObj, public ParticleGeomArray {
public:
  static constexpr int TargetSize = 512;

  // Takes over the settings copy (a KQ_GlowEffectCtrl): spawns the particles,
  // loads the effect and the textures, makes the glow target.
  explicit KQ_GlowingObj(std::unique_ptr<KQ_BaseSpriteProp> settingsCopy);
  ~KQ_GlowingObj() override;

  // The three passes through the settings' effect; nothing without one.
  void Draw(KQ_ABRender& light) override;
  // The settings' frame update, the clock step and every move, then the quads.
  void Update(float t) override;
  int NeedsSceneCapture() const override { return 1; }

  // The three passes through `effect`.
  void DrawPasses(EffectCalls& effect, KQ_ABRender& light);

  KQ_GlowEffectCtrl& Glow() const { return glow_; }
  const PingPongTarget& GlowTarget() const { return glowTarget_; }

private:
  KQ_GlowEffectCtrl& glow_;  // the copy the base owns
  PingPongTarget glowTarget_;
  GuidTexture targetKey_;                  // the target's key among the manager's targets
  ResourceCache* registeredIn_ = nullptr;  // the manager's cache that knows the target
};
