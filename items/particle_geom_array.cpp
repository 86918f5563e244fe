#include "items/particle_geom_array.h"

#include <algorithm>
#include <utility>

#include "items/kq_base_sprite_prop.h"
#include "items/random_fraction.h"
#include "render/current_device.h"

void ParticleGeomArray::BindCount(MediaParamTB<unsigned int>& count) {
  bindings_.BindFunLightCtrl(&ParticleGeomArray::SetCount, count);
}

void ParticleGeomArray::SetCount(unsigned int count) {
  if (count < 1) return;
  const unsigned int quads = std::min(count, MaxParticles);
  RebuildBuffers(quads);
  while (particles.size() < quads) SpawnParticle();
}

unsigned int ParticleGeomArray::WantedQuadCount() const {
  return std::min(settings->count.Get(), MaxParticles);
}

void ParticleGeomArray::Update(float t) {
  settings->Step(t);
  for (const auto& particle : particles) settings->MoveParticle(*particle);
}

void ParticleGeomArray::FillVertices() {
  if (QuadCount() != WantedQuadCount()) return;
  if (!LockVertices()) return;
  WriteQuads(lockedVertices, QuadCount());
  UnlockVertices();
  verticesWritten = true;
}

void ParticleGeomArray::WriteQuads(DX_V::PCT* vertices, unsigned int quads) {
  if (settings->sheetMode && quads > 0) AdvanceSheetFrame();
  unsigned int written = 0;
  for (const auto& particle : particles) {
    if (written == quads) break;
    WriteQuad(vertices + 4 * written, *particle);
    ++written;
  }
}

void ParticleGeomArray::RebuildBuffers(unsigned int quads) {
  Destroy();
  vertexCount = 0;
  triangleCount = 0;
  primitiveType = D3DPT_TRIANGLELIST;
  primitiveCount = 0;
  verticesWritten = false;
  // Without a device (build tools, tests of the motion) the particles live without buffers.
  if (!CurrentDevice) return;
  const bool built =
      SUCCEEDED(CreateVertexBuffer(4 * quads, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED)) &&
      SUCCEEDED(CreateIndexBuffer(6 * quads, D3DUSAGE_WRITEONLY, D3DPOOL_MANAGED)) &&
      WriteIndices(quads);
  if (!built) {
    // A half-made mesh is no mesh: nothing is filled or drawn from it.
    Destroy();
    vertexCount = 0;
    return;
  }
  triangleCount = 2 * quads;
}

bool ParticleGeomArray::WriteIndices(unsigned int quads) {
  WORD* indices = LockIndices();
  if (!indices) return false;
  for (unsigned int i = 0; i < quads; ++i) {
    const WORD first = static_cast<WORD>(4 * i);
    const WORD quad[6] = {first, WORD(first + 1), WORD(first + 2),
                          WORD(first + 2), WORD(first + 1), WORD(first + 3)};
    std::copy(quad, quad + 6, indices + 6 * i);
  }
  UnlockIndices();
  return true;
}

void ParticleGeomArray::SpawnParticle() {
  auto particle = std::make_unique<Particle>();
  particle->Init(*settings, imageAspect);
  particle->lastChange = 0;
  particle->alpha = 1;
  const bool fadesOut = RandomIsOdd();
  particle->alphaVelocity = settings->fadeSpeed * (fadesOut ? -1.0f : 1.0f);
  particle->RefreshColour(*settings);
  particles.push_back(std::move(particle));
  settings->InitParticle(*particles.back());
}

void ParticleGeomArray::AdvanceSheetFrame() {
  const float now = settings->scaledTime;
  if (now - sheetSwitchTime > 1.0f / settings->frameRate) {
    sheetFrameIndex = settings->NextFrameIndex(sheetFrameIndex);
    sheetSwitchTime = now;
  }
}

void ParticleGeomArray::WriteQuad(DX_V::PCT* vertices, const Particle& particle) const {
  const D3DXVECTOR3 corner = particle.Corner();
  const D3DXVECTOR3 across = (2 * particle.halfWidth) * particle.right;
  const D3DXVECTOR3 along = (2 * particle.halfHeight) * particle.up;
  const D3DXVECTOR3 positions[4] = {corner + along, corner, corner + across + along,
                                    corner + across};

  float u0 = particle.uLeft, u1 = particle.uRight;
  float v0 = particle.vTop, v1 = particle.vBottom;
  if (settings->sheetMode) {
    const float frameWidth = 1.0f / static_cast<float>(settings->SheetFrameCount());
    u0 = static_cast<float>(sheetFrameIndex) * frameWidth;
    u1 = static_cast<float>(sheetFrameIndex + 1) * frameWidth;
  }
  if (settings->mirror.Get()) std::swap(u0, u1);
  if (settings->flipVertical.Get()) std::swap(v0, v1);
  const float us[4] = {u0, u0, u1, u1};
  const float vs[4] = {v1, v0, v1, v0};

  for (int k = 0; k < 4; ++k) {
    DX_V::PCT& vertex = vertices[k];
    vertex.x = positions[k].x;
    vertex.y = positions[k].y;
    vertex.z = positions[k].z;
    vertex.color = particle.colour;
    vertex.u = us[k];
    vertex.v = vs[k];
  }
}
