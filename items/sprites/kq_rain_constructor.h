// Rain: a flow with rain's defaults (straight down, fast, streaks turned to the flow) whose
// streaks also pulse and are born again elsewhere when they fade out. A second turn by 3/2 pi
// undoes the flow turn of straight-down rain, so an image drawn upright falls upright.
#pragma once

#include <d3dx9math.h>

#include "items/sprites/kq_flow_constructor.h"

class KQ_RainConstructor : public SpriteClass<KQ_RainConstructor, KQ_FlowConstructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_RainConstructor";
  KQ_RainConstructor();

  void InitParticle(Particle& particle) override;
  void MoveParticle(Particle& particle) override;

  D3DXMATRIX secondRotation;
};
