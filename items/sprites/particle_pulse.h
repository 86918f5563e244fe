// The pulse rule shared by the twinkling, drifting, flowing and fading sprites: a particle's
// alpha runs between the settings' minimum and maximum at its alpha velocity, turning round at
// each bound. At the minimum a pulsing sprite is either born again elsewhere or just turns.
#pragma once

class KQ_BaseSpriteProp;
struct Particle;

enum class AtMinimumAlpha { Respawn, Reverse };

void Pulse(KQ_BaseSpriteProp& settings, Particle& particle, AtMinimumAlpha atMinimum);
