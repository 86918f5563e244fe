#include "items/sprites/particle_pulse.h"

#include "items/kq_base_sprite_prop.h"
#include "items/particle.h"

void Pulse(KQ_BaseSpriteProp& settings, Particle& particle, AtMinimumAlpha atMinimum) {
  particle.alpha += settings.timeStep * particle.alphaVelocity;
  if (settings.minAlpha > particle.alpha) {
    if (atMinimum == AtMinimumAlpha::Respawn) settings.InitParticle(particle);
    particle.alpha = settings.minAlpha;
    particle.alphaVelocity = -particle.alphaVelocity;
  } else if (particle.alpha > settings.maxAlpha) {
    particle.alpha = settings.maxAlpha;
    particle.alphaVelocity = -particle.alphaVelocity;
  }
}
