// The lightning bolt without a device: its geometry, how the settings morph it
// from the older to the newer bolt, when a new bolt is drawn, and how each
// segment picks its texture.
#include "items/shader/bolt.h"

#include <gtest/gtest.h>

#include <cmath>

#include "items/shader/kq_discharge_fx_constructor.h"
#include "tests/support/item_testing.h"

namespace {

using item_testing::Fraction;
using item_testing::UpcomingRands;

constexpr float Tolerance = 1e-3f;

void ExpectNear(const D3DXVECTOR3& expected, const D3DXVECTOR3& actual, const char* what) {
  EXPECT_NEAR(expected.x, actual.x, Tolerance) << what;
  EXPECT_NEAR(expected.y, actual.y, Tolerance) << what;
  EXPECT_NEAR(expected.z, actual.z, Tolerance) << what;
}

bool Finite(const BoltVertex& v) {
  const float values[10] = {v.centre.x,    v.centre.y, v.centre.z, v.direction.x, v.direction.y,
                            v.direction.z, v.side.x,   v.side.y,   v.side.z,      v.length};
  for (float value : values)
    if (!std::isfinite(value)) return false;
  return true;
}

// The far end of segment i.
D3DXVECTOR3 SegmentEnd(const BoltVertex& v) { return v.centre + v.direction * (v.length / 2); }
D3DXVECTOR3 SegmentStart(const BoltVertex& v) { return v.centre - v.direction * (v.length / 2); }

TEST(Bolt, RunsFromStartToEndInJoinedSegmentsWhateverTheZigzag) {
  const D3DXVECTOR3 start(100, 200, 0), end(700, 500, 0);
  struct Case {
    unsigned int segments;
    float amplitude;
  } cases[] = {{1, 0.5f}, {2, 0.5f}, {5, 0.5f}, {12, 2.0f}, {8, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.segments << " segments, amplitude " << c.amplitude);
    Bolt bolt(c.segments);
    std::srand(7);
    GenerateBolt(bolt, start, end, c.segments, c.amplitude);
    ExpectNear(start, SegmentStart(bolt.front()), "the first segment starts at the start");
    ExpectNear(end, SegmentEnd(bolt.back()), "the last segment ends exactly at the end");
    for (size_t i = 1; i < bolt.size(); ++i)
      ExpectNear(SegmentEnd(bolt[i - 1]), SegmentStart(bolt[i]), "segments join");
    for (const BoltVertex& v : bolt) {
      EXPECT_NEAR(1, D3DXVec3Length(&v.direction), Tolerance);
      // Across the whole bolt: (T.y, -T.x) normalised.
      ExpectNear(D3DXVECTOR3(0.447214f, -0.894427f, 0), v.side, "side");
    }
  }
}

TEST(Bolt, WithoutZigzagIsAStraightLineOfEqualSegments) {
  Bolt bolt(4);
  GenerateBolt(bolt, D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(400, 0, 0), 4, 0);
  for (size_t i = 0; i < bolt.size(); ++i) {
    ExpectNear(D3DXVECTOR3(50 + 100.0f * i, 0, 0), bolt[i].centre, "centre");
    ExpectNear(D3DXVECTOR3(1, 0, 0), bolt[i].direction, "direction");
    EXPECT_NEAR(100, bolt[i].length, Tolerance);
  }
}

TEST(Bolt, DrawsTwoOffsetsPerSegmentButTheLastInOrderXThenY) {
  const std::vector<int> draws = UpcomingRands(11, 3);
  Bolt bolt(2);
  const float a = 0.5f;
  GenerateBolt(bolt, D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(100, 50, 0), 2, a);
  // Segment 0 heads for R + (o1 R.y, o2 R.x) and is half of |R| long.
  const float o1 = static_cast<float>(-a + 2 * a * Fraction(draws[0]));
  const float o2 = static_cast<float>(-a + 2 * a * Fraction(draws[1]));
  D3DXVECTOR3 heading(100 + o1 * 50, 50 + o2 * 100, 0);
  D3DXVec3Normalize(&heading, &heading);
  ExpectNear(heading, bolt[0].direction, "the first segment's heading");
  EXPECT_NEAR(std::sqrt(100.0f * 100 + 50 * 50) / 2, bolt[0].length, Tolerance);
  EXPECT_EQ(draws[2], std::rand()) << "the last segment draws nothing";
}

TEST(Bolt, StartEqualToEndStaysFinite) {
  Bolt bolt(3);
  GenerateBolt(bolt, D3DXVECTOR3(50, 50, 0), D3DXVECTOR3(50, 50, 0), 3, 0.5f);
  for (const BoltVertex& v : bolt) {
    EXPECT_TRUE(Finite(v));
    EXPECT_EQ(0, v.length);
    ExpectNear(D3DXVECTOR3(50, 50, 0), v.centre, "centre");
  }
}

TEST(Bolt, LerpMovesEveryFloatAlongTheWay) {
  const BoltVertex older{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 10};
  const BoltVertex newer{{10, 20, 0}, {0, 1, 0}, {-1, 0, 0}, 30};
  const struct {
    float x;
    BoltVertex expected;
  } cases[] = {
      {0, older}, {1, newer}, {0.25f, {{2.5f, 5, 0}, {0.75f, 0.25f, 0}, {-0.25f, 0.75f, 0}, 15}}};
  for (const auto& c : cases) {
    const BoltVertex v = LerpBoltVertex(older, newer, c.x);
    ExpectNear(c.expected.centre, v.centre, "centre");
    ExpectNear(c.expected.direction, v.direction, "direction");
    ExpectNear(c.expected.side, v.side, "side");
    EXPECT_NEAR(c.expected.length, v.length, Tolerance);
  }
}

// A discharge of `count` segments from (100, 100) to (500, 100), its particles
// spawned as the run-time item spawns them.
struct Discharge {
  explicit Discharge(unsigned int count, unsigned int zigzag = 50) {
    settings.count = count;
    settings.zigzag.Set(zigzag);
    settings.start = D3DXVECTOR3(100, 100, 0);
    settings.end = D3DXVECTOR3(500, 100, 0);
    sprites = std::make_unique<item_testing::Sprites>(settings);
  }
  KQ_DischargeFXConstructor settings;
  std::unique_ptr<item_testing::Sprites> sprites;
  // One frame as the glowing object runs it.
  void Frame(float t) {
    settings.UpdateFrame();
    sprites->Update(t);
  }
};

TEST(Discharge, DefaultsMakeABlueGlowingBoltThroughThePacksGlow) {
  KQ_DischargeFXConstructor settings;
  EXPECT_EQ(L"tessaly.dll", settings.effectFile.Key().path);
  EXPECT_EQ(97, settings.effectFile.Key().id);
  EXPECT_EQ(50u, settings.size.Get());
  EXPECT_EQ(1, settings.additive.Get());
  EXPECT_STREQ("Blend_Screen", settings.CompositeTechnique());
  float blend[4];
  settings.BlendColor(blend);
  EXPECT_FLOAT_EQ(0, blend[0]);
  EXPECT_FLOAT_EQ(0x99 / 255.0f, blend[1]);
  EXPECT_FLOAT_EQ(1, blend[2]);
  EXPECT_FLOAT_EQ(1, blend[3]);
  EXPECT_FLOAT_EQ(0.5f, settings.zigzag.Result());
  EXPECT_NEAR(0, settings.flipInterval.Result(), 1e-6);
  EXPECT_FLOAT_EQ(5, settings.morphRate.Result());
}

TEST(Discharge, ParticlesAreTheSegmentsWithEndCapsOnlyAtTheEnds) {
  struct Case {
    unsigned int count;
    std::vector<std::pair<float, float>> uRanges;
  } cases[] = {
      {1, {{0, 1}}},
      {2, {{0, 0.805f}, {0.195f, 1}}},
      {3, {{0, 0.805f}, {0.195f, 0.805f}, {0.195f, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    Discharge d(c.count,
                0);  // both bolts straight, so the morphed one ends at the end too
    d.Frame(0.05f);
    ASSERT_EQ(c.count, d.sprites->size());
    for (unsigned int i = 0; i < c.count; ++i) {
      const Particle& p = (*d.sprites)[i];
      EXPECT_FLOAT_EQ(c.uRanges[i].first, p.uLeft) << i;
      EXPECT_FLOAT_EQ(c.uRanges[i].second, p.uRight) << i;
      EXPECT_FLOAT_EQ(25, p.halfHeight) << "half the size across";
    }
    // The last segment's far edge is the end point.
    const Particle& last = (*d.sprites)[c.count - 1];
    ExpectNear(D3DXVECTOR3(500, 100, 0), last.position + last.right * last.halfWidth, "end");
  }
}

TEST(Discharge, MorphsFromTheOlderTowardsTheNewerBoltAtItsRate) {
  Discharge d(4);
  d.settings.morphRate.Set(20);  // 2 per second
  d.Frame(0.05f);                // scaled time 0.05: x = 0.1
  for (unsigned int i = 0; i < 4; ++i) {
    const BoltVertex expected =
        LerpBoltVertex(d.settings.olderBolt[i], d.settings.newerBolt[i], 0.1f);
    ExpectNear(expected.centre, (*d.sprites)[i].position, "morphed centre");
    EXPECT_NEAR(expected.length / 2, (*d.sprites)[i].halfWidth, Tolerance);
  }
}

TEST(Discharge, DrawsANewBoltOnceMoreThanATenthOfASecondHasPassed) {
  Discharge d(3);
  const Bolt first = d.settings.newerBolt;
  struct Step {
    float t;
    bool regenerates;  // in the frame's UpdateFrame, by the time before that
                       // frame's step
  } steps[] = {{0.05f, false}, {0.09f, false}, {0.15f, false}, {0.2f, true}, {0.24f, false}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.t);
    const Bolt before = d.settings.newerBolt;
    const float timeBefore = d.settings.scaledTime;
    d.Frame(s.t);
    const bool regenerated = d.settings.olderBolt[0].centre == before[0].centre &&
                             !(d.settings.newerBolt[0].centre == before[0].centre);
    EXPECT_EQ(s.regenerates, regenerated);
    if (s.regenerates) {
      EXPECT_FLOAT_EQ(timeBefore, d.settings.lastRegeneration);
    }
  }
  EXPECT_FALSE(first[0].centre == d.settings.newerBolt[0].centre);
}

TEST(Discharge, PicksEachSegmentsTextureVariantAtItsFlipInterval) {
  struct Case {
    unsigned int flipValue;  // derived 0.1 - 0.001 x value seconds
    float t;
    bool picks;
  } cases[] = {{100, 0.05f, true}, {150, 0, true}, {50, 0.02f, false}, {50, 0.06f, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.flipValue << " at " << c.t);
    Discharge d(1, 0);
    d.settings.flipInterval.Set(c.flipValue);
    const std::vector<int> draws = UpcomingRands(5, 2);
    d.Frame(c.t);
    const Particle& p = (*d.sprites)[0];
    if (!c.picks) {
      EXPECT_FLOAT_EQ(0, p.vTop);
      EXPECT_FLOAT_EQ(1, p.vBottom);
      continue;
    }
    float top = draws[0] % 2 == 0 ? 0.5f : 0.0f;
    float bottom = top + 0.5f;
    if (draws[1] % 2 == 1) std::swap(top, bottom);
    EXPECT_FLOAT_EQ(top, p.vTop);
    EXPECT_FLOAT_EQ(bottom, p.vBottom);
    EXPECT_FLOAT_EQ(c.t, p.lastChange);
  }
}

TEST(Discharge, StartEqualToEndDrawsFiniteQuads) {
  Discharge d(3);
  d.settings.end = d.settings.start.Get();
  d.settings.GenerateNewerBolt();
  d.Frame(0.15f);
  d.Frame(0.3f);
  for (const DX_V::PCT& v : d.sprites->Quads(3)) {
    EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z));
  }
}

TEST(Discharge, ALoweredCountDrawsTheWholeBoltInFewerSegments) {
  Discharge d(4, 0);
  d.settings.count = 2;
  d.Frame(0.15f);
  d.Frame(0.3f);   // a new bolt of two segments, the older one of four
  d.Frame(0.45f);  // both of two
  ASSERT_EQ(4u, d.sprites->size()) << "particles are never removed";
  const Particle& first = (*d.sprites)[0];
  const Particle& second = (*d.sprites)[1];
  ExpectNear(D3DXVECTOR3(100, 100, 0), first.position - first.right * first.halfWidth, "start");
  ExpectNear(D3DXVECTOR3(500, 100, 0), second.position + second.right * second.halfWidth, "end");
  EXPECT_FLOAT_EQ(1, second.uRight) << "the second segment is now the last";
}

}  // namespace
