#include "items/shader/kq_discharge_fx_constructor.h"

#include <algorithm>
#include <utility>

#include "document/class_registry.h"
#include "items/particle.h"
#include "items/random_fraction.h"

REGISTER_DOCUMENT_CLASS(KQ_DischargeFXConstructor);

namespace {
constexpr int GlowEffect = 97;
constexpr int SharpBolt = 95;
constexpr int PlasmaBolt = 98;
constexpr float RegenerationPause = 0.1f;  // scaled seconds a bolt is morphed towards
constexpr float CapStart = 0.195f;         // u where an inner segment starts
constexpr float CapEnd = 0.805f;           // and ends
}  // namespace

KQ_DischargeFXConstructor::KQ_DischargeFXConstructor() {
  effectFile.Store({L"tessaly.dll", GlowEffect});
  size = 50;
  additive = 1;
  colour = 0xffffcc;
  glowColour = 0xff9900;
}

void KQ_DischargeFXConstructor::GenerateNewerBolt() {
  GenerateBolt(newerBolt, start.Get(), end.Get(), count.Get(), zigzag.Result());
}

void KQ_DischargeFXConstructor::InitParticle(Particle&) {
  olderBolt.resize(count.Get());
  newerBolt.resize(count.Get());
  GenerateBolt(olderBolt, start.Get(), end.Get(), count.Get(), zigzag.Result());
  GenerateNewerBolt();
}

void KQ_DischargeFXConstructor::UpdateFrame() {
  segmentIndex = 0;
  if (scaledTime - lastRegeneration > RegenerationPause) {
    lastRegeneration = scaledTime;
    olderBolt = newerBolt;
    GenerateNewerBolt();
  }
}

void KQ_DischargeFXConstructor::MoveParticle(Particle& particle) {
  const unsigned int segment = segmentIndex++;
  particle.drift = D3DXVECTOR3(0, 0, 0);
  particle.velocity = D3DXVECTOR3(0, 0, 0);
  // A particle the bolts have no segment for (the count was lowered) is not
  // drawn anyway.
  if (segment >= std::min(olderBolt.size(), newerBolt.size())) return;
  const float x = (scaledTime - lastRegeneration) * morphRate.Result();
  const BoltVertex v = LerpBoltVertex(olderBolt[segment], newerBolt[segment], x);
  particle.position = v.centre;
  particle.right = v.direction;
  particle.up = v.side;
  particle.halfWidth = v.length / 2;
  particle.halfHeight = static_cast<float>(size.Get()) / 2;

  if (flipInterval.Result() < lastTime - particle.lastChange) {
    particle.lastChange = lastTime;
    const bool secondVariant = !RandomIsOdd();  // the variant in v 0.5..1
    particle.vTop = secondVariant ? 0.5f : 0.0f;
    particle.vBottom = secondVariant ? 1.0f : 0.5f;
    if (RandomIsOdd()) std::swap(particle.vTop, particle.vBottom);
  }
  particle.uLeft = segment == 0 ? 0.0f : CapStart;
  particle.uRight = segment + 1 == count.Get() ? 1.0f : CapEnd;
  particle.RefreshColour(*this);
}

void KQ_DischargeFXConstructor::LoadResources() {
  KQ_FXParticleSystemCtrl::LoadResources();
  image.Store({L"tessaly.dll", imageChoice.Get() != 0 ? SharpBolt : PlasmaBolt});
  LoadGlowTextures();
}
