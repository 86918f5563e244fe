// Items and lights of the demo show stored at older versions of their classes' sections, as
// documents of earlier makers hold them, so that the saver reads those sections too. Each is one
// whose settings missing from the older version are at their defaults, so it looks the same.
#pragma once

#include "items/fullscreen/kq_light_fx.h"
#include "items/sprites/kq_flow_constructor.h"
#include "items/sprites/kq_rain_constructor.h"
#include "items/sprites/kq_stat_obj_constructor.h"
#include "show/kq_2d_light.h"
#include "show/lights/kq_flame_light.h"

namespace demo_show {

// A still picture in the first version of its section, which kept the flip flags itself, over
// sprite properties of version 4, from before the flip flags moved there.
class FirstStillPicture : public KQ_StatObjConstructor {
public:
  void Write(KQ_IOF_Virtual& stream) const override;
};

// Flowing sprites in the first version of the flow section, from before the orientation mode:
// they stand upright.
class FirstFlow : public KQ_FlowConstructor {
public:
  void Write(KQ_IOF_Virtual& stream) const override;
};

// Rain over the second version of the flow section, which stored only whether the sprites turn
// to the flow.
class RainOverSecondFlow : public KQ_RainConstructor {
public:
  void Write(KQ_IOF_Virtual& stream) const override;
};

// A light pulse over the first version of the full-screen effects' section, from before the
// scale setting (it stays at 50).
class LightPulseOverFirstEffect : public KQ_LightFX {
public:
  void Write(KQ_IOF_Virtual& stream) const override;
};

// A flame light in the first version of its section: the fire's speed in place of the fire's
// own section, whose other settings keep the light's defaults.
class FirstFlameLight : public KQ_FlameLight {
public:
  void Write(KQ_IOF_Virtual& stream) const override;
};

// A plain light in the second version of its section, from before the camera: its picture stands
// still, unzoomed and centred.
class SecondPlainLight : public KQ_2D_Light {
public:
  void Write(KQ_IOF_Virtual& stream) const override;
};

}  // namespace demo_show
