// The simulated water of the water-ring light: a height field on a regular grid, struck by drops,
// relaxed by a damped average of the eight neighbours, and drawn every frame as one lit, textured
// triangle strip whose texture coordinates refract the view ray into the picture below.
//
// The simulation and the vertex fill are plain memory work, so they are tested without a device;
// only the two buffers (let go at a device reset, made again by the next Resize) touch it.
// Four steps run per frame whatever the frame time, so the rings spread at the frame rate.
#pragma once

#include <d3d9.h>

#include <cstdint>
#include <vector>

#include "show/lights/ripple_grid.h"

// One surface vertex: position, normal, black with the refraction's alpha, texture coordinates.
struct RippleVertex {
  float x, y, z;
  float nx, ny, nz;
  D3DCOLOR color;
  float u, v;
  static constexpr DWORD FVF = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE | D3DFVF_TEX1;
};
static_assert(sizeof(RippleVertex) == 36 && RippleVertex::FVF == 0x152);

struct RippleEye {
  float x, y, z;
};

class WaterRippleSurface {
public:
  struct Cell {
    float height;
    float velocity;
  };

  WaterRippleSurface();
  WaterRippleSurface(const WaterRippleSurface&) = delete;
  WaterRippleSurface& operator=(const WaterRippleSurface&) = delete;
  ~WaterRippleSurface();

  // A new flat grid for a width x height surface (world units, x and z), with new buffers on the
  // current device when there is one.
  void Resize(float width, float height, float rowFactor, float columnFactor);
  // A drop at a random inner cell: the column from rand() first, then the row.
  void AddRandomDrop();
  // A drop at an inner cell: velocities pushed down by a 3 x 3 kernel that sums to the strength.
  void AddDrop(uint32_t row, uint32_t column);
  // One relaxation step of the whole grid.
  void Step();
  // Four steps, then the vertices as seen from `eye` into the vertex buffer (skipped when it
  // cannot be locked).
  void Update(const RippleEye& eye);
  // One vertex per cell, row-major, as seen from `eye`.
  void FillVertices(RippleVertex* vertices, const RippleEye& eye) const;

  // The strip, with whatever transforms, texture and states the caller set.
  HRESULT Draw() const;
  HRESULT CreateBuffers();
  void ReleaseBuffers();

  RippleGridSize Grid() const { return grid_; }
  float Width() const { return width_; }
  float Height() const { return height_; }
  float Mean() const { return mean_; }
  const Cell& At(uint32_t row, uint32_t column) const { return cells_[row * grid_.columns + column]; }
  bool HasBuffers() const { return indexBuffer_ && vertexBuffer_; }

  float waveSpeed = 1.0f;     // velocity-to-height factor of a step
  float dropStrength = 0.5f;
  float damping = 0.99f;      // velocity kept per step
  float depth = 0.2f;         // how far along the refracted ray the picture is sampled

private:
  // Wrapping around both ways; every caller is at most one cell outside the grid.
  float HeightAt(int64_t row, int64_t column) const;
  Cell& CellAt(int64_t row, int64_t column);

  float width_ = 0;
  float height_ = 0;
  float inverseWidth_ = 1.0f;
  float inverseHeight_ = 1.0f;
  float mean_ = 0;             // of height + velocity over the cells, in the last step
  RippleGridSize grid_{4, 4};
  std::vector<Cell> cells_;    // row-major
  IDirect3DIndexBuffer9* indexBuffer_ = nullptr;
  IDirect3DVertexBuffer9* vertexBuffer_ = nullptr;
};
