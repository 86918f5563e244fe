// A lightning discharge between two points of the picture, drawn through the
// glow effect: one particle per segment of a bolt. The settings keep two random
// bolts and morph the drawn one from the older towards the newer; once more
// than 0.1 s of the item's time has passed, the newer becomes the older and a
// fresh bolt is drawn. Each segment shows one of the two bolt variants of its
// texture (one per half of v), either way up, picked again at its own interval;
// the first and last 19.5 % of u are the end caps, for the bolt's two ends
// only.
#pragma once

#include "document/media_param_t.h"
#include "document/scaled_param.h"
#include "items/shader/bolt.h"
#include "items/shader/kq_glow_effect_ctrl.h"

class KQ_DischargeFXConstructor : public SpriteClass<KQ_DischargeFXConstructor, KQ_GlowEffectCtrl> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_DischargeFXConstructor";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.start, s.end, s.zigzag, s.imageChoice, s.flipInterval, s.morphRate);
  }

  KQ_DischargeFXConstructor();

  // Both bolts sized for the count and drawn afresh.
  void InitParticle(Particle& particle) override;
  // The particle becomes the next segment of the morphed bolt.
  void MoveParticle(Particle& particle) override;
  // The effect, the bolt image chosen by the image choice, then the textures.
  void LoadResources() override;
  // Back to the first segment; a new bolt once more than 0.1 s has passed.
  void UpdateFrame() override;

  // The newer bolt drawn afresh from the current settings.
  void GenerateNewerBolt();

  MediaParamT<D3DXVECTOR3> start;  // picture pixels
  MediaParamT<D3DXVECTOR3> end;
  UINTSclaleTo<float> zigzag{50, 0.01f};                 // offsets per pixel remaining
  MediaParamT<int> imageChoice{1};                       // 0: the plasma bolt, else the sharp one
  UINTSclaleTo<float> flipInterval{100, -0.001f, 0.1f};  // seconds between variant picks
  UINTSclaleTo<float> morphRate{50, 0.1f};               // of the way to the newer bolt per second
  Bolt olderBolt;
  Bolt newerBolt;
  unsigned int segmentIndex = 0;  // the vertex the next MoveParticle takes
  float lastRegeneration = 0;     // scaled time of the last new bolt
};
