// Rain: a flow with rain's defaults (straight down, fast, streaks turned to the flow) whose
// streaks also pulse and are born again elsewhere when they fade out. A second turn by 3/2 pi
// undoes the flow turn of straight-down rain, so an image drawn upright falls upright.
#pragma once

#include <d3dx9math.h>

#include "items/kq_flow_constructor.h"

class KQ_RainConstructor : public CloneableSprite<KQ_RainConstructor, KQ_FlowConstructor> {
public:
  KQ_RainConstructor();

  void Write(KQ_IOF_Virtual& stream) const override;
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  void InitParticle(Particle& particle) override;
  void MoveParticle(Particle& particle) override;

  D3DXMATRIX secondRotation;
};
