// The run-time object of every sprite-drawn particle system: the particle geometry with the
// frames of the sprite image, drawn through the light's sprite service. It is made from a copy
// of its settings, spawns every particle at once, and moves and refills them each frame.
#pragma once

#include <d3d9.h>

#include <memory>

#include "items/kq_abobj.h"
#include "items/kq_base_sprite_prop.h"
#include "items/particle_geom_array.h"
#include "items/sprites/animated_texture.h"
#include "render/com_holder.h"

class KQ_SpriteArrayObj : public KQ_ABObj, public AnimatedTexture<ParticleGeomArray> {
public:
  // Takes over the settings copy; the images are resolved through CurrentDocResManager.
  explicit KQ_SpriteArrayObj(std::unique_ptr<KQ_BaseSpriteProp> settingsCopy);

  void Draw(KQ_ABRender& light) override;
  // The clock step and every move; then the quads are refilled, only on a new image frame
  // when the settings ask for that (but always once after the buffers were made).
  void Update(float t) override;

  // The second image's first frame (borrowed, valid while this object lives), or null.
  IDirect3DTexture9* GetSecondTexture() const { return secondTexture_.Get(); }

private:
  ComHolder<IDirect3DTexture9> secondTexture_;
};
