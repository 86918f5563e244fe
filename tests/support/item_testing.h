// What the item tests share: a known run of the C runtime's generator, the picture size the
// item areas are fractions of, sprite geometry without a device, and sections to bytes and back.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "document/class_registry.h"
#include "document/kq_iof_r.h"
#include "document/kq_iof_w.h"
#include "items/kq_base_sprite_prop.h"
#include "items/particle_geom_array.h"
#include "render/picture_layout.h"

namespace item_testing {

using Bytes = std::vector<uint8_t>;

// The next `count` values of rand() after srand(seed); the generator is seeded again, so the
// code under test draws exactly these, in order.
inline std::vector<int> UpcomingRands(unsigned int seed, size_t count) {
  std::srand(seed);
  std::vector<int> values(count);
  for (int& value : values) value = std::rand();
  std::srand(seed);
  return values;
}

inline double Fraction(int drawn) { return drawn / 32767.0; }

// A seed whose upcoming draws meet `wanted` (e.g. a first draw that is odd).
template <class Predicate>
unsigned int SeedWhere(Predicate wanted, size_t count = 16) {
  for (unsigned int seed = 1;; ++seed)
    if (wanted(UpcomingRands(seed, count))) return seed;
}

// Sets the current picture size for the life of the object.
class PictureSize {
public:
  PictureSize(int width, int height)
      : savedWidth_(CurrentViewFrame().pictureWidth),
        savedHeight_(CurrentViewFrame().pictureHeight) {
    CurrentViewFrame().pictureWidth = width;
    CurrentViewFrame().pictureHeight = height;
  }
  ~PictureSize() {
    CurrentViewFrame().pictureWidth = savedWidth_;
    CurrentViewFrame().pictureHeight = savedHeight_;
  }

private:
  int savedWidth_;
  int savedHeight_;
};

// The particles of a settings object as its sprite item would spawn and move them, without a
// device (so without buffers).
class Sprites {
public:
  explicit Sprites(KQ_BaseSpriteProp& settings, float imageAspect = 1) {
    geometry.settings = &settings;
    geometry.imageAspect = imageAspect;
    geometry.BindCount(settings.count);
  }
  Particle& operator[](size_t i) { return *std::next(geometry.particles.begin(), i)->get(); }
  size_t size() const { return geometry.particles.size(); }
  void Update(float t) { geometry.Update(t); }
  // The quads WriteQuads makes of the first `quads` particles.
  std::vector<DX_V::PCT> Quads(unsigned int quads) {
    std::vector<DX_V::PCT> vertices(4 * quads);
    geometry.WriteQuads(vertices.data(), quads);
    return vertices;
  }

  ParticleGeomArray geometry;
};

inline Bytes Written(const KQ_IOF_Item& item) {
  KQ_IOF_W writer;
  item.Write(writer);
  return writer.Bytes();
}

// The object a record reads into through the items registry, checked to be of class T and to
// take every byte.
template <class T>
std::unique_ptr<T> ReadRecord(const Bytes& bytes) {
  ResourceBuffer buffer(bytes.data(), bytes.size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  std::unique_ptr<KQ_IOF_Item> item = ReadObjectByClassName(stream);
  EXPECT_FALSE(stream.Failed());
  EXPECT_EQ(0u, buffer.Remaining()) << "bytes left after the record";
  T* typed = dynamic_cast<T*>(item.get());
  EXPECT_NE(nullptr, typed) << "the record made an object of another class";
  if (!typed) return nullptr;
  item.release();
  return std::unique_ptr<T>(typed);
}

}  // namespace item_testing
