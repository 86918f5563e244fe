#include "show/lights/water_ripple_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "render/round_to_int.h"

namespace {

void Normalize(float& x, float& y, float& z) {
  const float length = std::sqrt(x * x + y * y + z * z);
  if (length > 0) {
    x /= length;
    y /= length;
    z /= length;
  }
}

}  // namespace

WaterRippleSurface::WaterRippleSurface() : cells_(grid_.Cells(), Cell{0, 0}) {}

WaterRippleSurface::~WaterRippleSurface() { ReleaseBuffers(); }

void WaterRippleSurface::Resize(float width, float height, float rowFactor, float columnFactor) {
  grid_ = ChooseRippleGrid(width, height, rowFactor, columnFactor);
  width_ = width;
  height_ = height;
  inverseWidth_ = 1.0f / width;
  inverseHeight_ = 1.0f / height;
  cells_.assign(grid_.Cells(), Cell{0, 0});
  ReleaseBuffers();
  CreateBuffers();
}

void WaterRippleSurface::AddRandomDrop() {
  const uint32_t column = static_cast<uint32_t>(rand()) % (grid_.columns - 2) + 1;
  const uint32_t row = static_cast<uint32_t>(rand()) % (grid_.rows - 2) + 1;
  AddDrop(row, column);
}

void WaterRippleSurface::AddDrop(uint32_t row, uint32_t column) {
  if (row < 1 || column < 1 || row + 1 >= grid_.rows || column + 1 >= grid_.columns) return;
  const float s = dropStrength;
  const int64_t y = row, x = column;
  CellAt(y, x).velocity -= s * 0.25f;
  for (const auto& [dy, dx] : {std::pair{0, -1}, {0, 1}, {-1, 0}, {1, 0}}) {
    CellAt(y + dy, x + dx).velocity -= s * 0.125f;
  }
  for (const auto& [dy, dx] : {std::pair{-1, -1}, {-1, 1}, {1, -1}, {1, 1}}) {
    CellAt(y + dy, x + dx).velocity -= s * 0.0625f;
  }
}

namespace {

// An index at most one grid side outside [0, side): one add or subtract wraps it, where a 64-bit
// remainder would be a runtime-library call on this 32-bit target, several per cell and step.
int64_t WrapOnce(int64_t index, int64_t side) {
  if (index < 0) return index + side;
  if (index >= side) return index - side;
  return index;
}

}  // namespace

float WaterRippleSurface::HeightAt(int64_t row, int64_t column) const {
  const int64_t columns = grid_.columns;
  return cells_[WrapOnce(row, grid_.rows) * columns + WrapOnce(column, columns)].height;
}

WaterRippleSurface::Cell& WaterRippleSurface::CellAt(int64_t row, int64_t column) {
  return cells_[row * grid_.columns + column];
}

void WaterRippleSurface::Step() {
  const int64_t rows = grid_.rows, columns = grid_.columns;
  float sum = 0;
  // In place and in row-major order: a border cell is zeroed before the cells after it look at it.
  for (int64_t r = 0; r < rows; ++r) {
    for (int64_t c = 0; c < columns; ++c) {
      Cell& cell = CellAt(r, c);
      if (c == 0 || r == 0 || r == rows - 1) {
        cell = {0, 0};
      } else {
        const float edges =
            HeightAt(r - 1, c) + HeightAt(r + 1, c) + HeightAt(r, c - 1) + HeightAt(r, c + 1);
        const float corners = HeightAt(r - 1, c - 1) + HeightAt(r - 1, c + 1) +
                              HeightAt(r + 1, c - 1) + HeightAt(r + 1, c + 1);
        const float average = edges * (1.0f / 6.0f) + corners * (1.0f / 12.0f);
        cell.velocity = cell.velocity * damping + (average - cell.height) * 0.25f;
      }
      sum += cell.height + cell.velocity;
    }
  }
  mean_ = sum / static_cast<float>(cells_.size());
  for (Cell& cell : cells_) cell.height = cell.height + cell.velocity * waveSpeed - mean_;
}

void WaterRippleSurface::FillVertices(RippleVertex* vertices, const RippleEye& eye) const {
  const RefractionEntry* table = RefractionTable();
  const int64_t rows = grid_.rows, columns = grid_.columns;
  const float dx = width_ / static_cast<float>(columns - 1);
  const float dz = height_ / static_cast<float>(rows - 1);
  const float shrink = 1.0f - 0.05f * depth;
  float z = -height_ / 2;
  for (int64_t r = 0; r < rows; ++r, z += dz) {
    float x = -width_ / 2;
    for (int64_t c = 0; c < columns; ++c, x += dx) {
      const float h = HeightAt(r, c);
      const float gx = (HeightAt(r - 1, c - 1) + HeightAt(r, c - 1) + HeightAt(r + 1, c - 1)) -
                       (HeightAt(r - 1, c + 1) + HeightAt(r, c + 1) + HeightAt(r + 1, c + 1));
      const float gz = (HeightAt(r - 1, c - 1) + HeightAt(r - 1, c) + HeightAt(r - 1, c + 1)) -
                       (HeightAt(r + 1, c - 1) + HeightAt(r + 1, c) + HeightAt(r + 1, c + 1));
      float nx = gx, ny = 1, nz = gz;
      Normalize(nx, ny, nz);
      float ex = eye.x - x, ey = eye.y - h, ez = eye.z - z;
      Normalize(ex, ey, ez);
      // A normal turned away from the eye would index outside the table.
      const int index = std::clamp(RoundToInt(255.0f * (ex * nx + ey * ny + ez * nz)), 0, 255);
      const RefractionEntry& entry = table[index];
      const float rx = entry.m * (ex + entry.k * nx);
      const float ry = entry.m * (ey + entry.k * ny);
      const float rz = entry.m * (ez + entry.k * nz);
      // Along R from the vertex to the sphere of radius 35 around the point 20 above the centre.
      const float qx = x, qy = h - 20, qz = z;
      const float b = 2 * (rx * qx + ry * qy + rz * qz);
      const float c2 = qx * qx + qy * qy + qz * qz - 1225;
      // A ray that misses the sphere (grid corners of wide pictures) stops where it comes closest.
      const float t = (std::sqrt(std::max(b * b - 4 * c2, 0.0f)) - b) * 0.5f;
      RippleVertex& vertex = vertices[r * columns + c];
      vertex = {x, h, z, nx, ny, nz, entry.color,
                0.5f + shrink * (x + depth * t * rx) * inverseWidth_,
                0.5f + shrink * (z + depth * t * rz) * inverseHeight_};
    }
  }
}
