#include "items/kq_particle_system_ctrl.h"

#include "items/sprites/kq_sprite_array_obj.h"

std::unique_ptr<KQ_ABObj> KQ_ParticleSystemCtrl::CreateObject() {
  ConvertLegacyImages();
  return std::make_unique<KQ_SpriteArrayObj>(Clone());
}
