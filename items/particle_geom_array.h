// The geometry of a particle system: the particles, in spawn order, and one indexed quad mesh
// with four vertices per particle. Where a particle is born and how it moves is the settings
// object's (InitParticle, MoveParticle); this class owns the order of spawning, moving and
// filling, and the quads.
//
// The count setting is bound: a larger count rebuilds the buffers and spawns the new particles
// after the old ones; a smaller one rebuilds the buffers for fewer quads but keeps every
// particle moving. Particles are never removed, only re-spawned in place by their class.
//
// The device is touched in two thin steps (building the buffers, locking the vertices); the
// particles live and move without one, and WriteQuads writes into any vertex memory.
//
// Counts beyond what 16-bit indices address are held at MaxParticles particles and quads.
#pragma once

#include <cstdint>
#include <list>
#include <memory>

#include "document/media_param_tb.h"
#include "document/owned_control_list.h"
#include "items/particle.h"
#include "render/kq_indexed_mesh.h"
#include "render/vertex_formats.h"

class KQ_BaseSpriteProp;

class ParticleGeomArray : public KQ_IndexedMesh<DX_V::PCT> {
public:
  // The most quads that 16-bit indices can address; larger counts are held at this.
  static constexpr unsigned int MaxParticles = 65536 / 4;

  ParticleGeomArray() = default;
  ParticleGeomArray(const ParticleGeomArray&) = delete;
  ParticleGeomArray& operator=(const ParticleGeomArray&) = delete;

  // Binds the count setting to SetCount, which runs at once: the particles exist on return.
  void BindCount(MediaParamTB<unsigned int>& count);
  void SetCount(unsigned int count);

  // The settings' clock step, then every particle's move, in spawn order.
  void Update(float t);
  // Writes the quads into the vertex buffer, while it is sized for the current count.
  void FillVertices();
  // What FillVertices writes, into four vertices per quad: the sheet frame step, then the quads
  // of the first `quads` particles.
  void WriteQuads(DX_V::PCT* vertices, unsigned int quads);

  // Quads the vertex buffer holds.
  unsigned int QuadCount() const { return vertexCount / 4; }
  // Quads the count setting asks for, as far as indices reach.
  unsigned int WantedQuadCount() const;

  KQ_BaseSpriteProp* settings = nullptr;  // not owned; set before BindCount
  float imageAspect = 1;                  // height / width of the image; set before BindCount
  std::list<std::unique_ptr<Particle>> particles;
  float sheetSwitchTime = 0;              // scaled time of the last sheet frame change
  uint32_t sheetFrameIndex = 0;
  bool verticesWritten = false;           // since the vertex buffer was made

private:
  // Buffers for `quads` quads with their indices written, or none at all.
  void RebuildBuffers(unsigned int quads);
  bool WriteIndices(unsigned int quads);
  void SpawnParticle();
  void AdvanceSheetFrame();
  void WriteQuad(DX_V::PCT* vertices, const Particle& particle) const;

  OwnedControlList<ParticleGeomArray> bindings_{this};  // last: leaves the count first
};
