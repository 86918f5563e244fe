// The particle geometry without a device: the order of spawning (one draw for the size factor,
// one for the fade sign, then the class's own), counts that grow and shrink, the defaults of a
// particle and the quads and texture coordinates it becomes.
#include <gtest/gtest.h>

#include <cmath>

#include "items/kq_particle_system_ctrl.h"
#include "items/particle.h"
#include "tests/support/item_testing.h"

namespace {

using namespace item_testing;

// A particle class that draws nothing itself and records what the geometry asks of it.
class RecordingSprite : public SpriteClass<RecordingSprite> {
public:
  static constexpr const wchar_t* ClassName = L"RecordingSprite";
  void InitParticle(Particle& particle) override { spawned.push_back(&particle); }
  void MoveParticle(Particle& particle) override { moved.push_back(&particle); }

  std::vector<Particle*> spawned;
  std::vector<Particle*> moved;
};

TEST(ParticleGeomArray, SpawnsWithASizeDrawThenAFadeSignDrawThenTheClasssOwn) {
  RecordingSprite settings;
  settings.count = 3;
  settings.size = 100;
  settings.minSizeFactor = 0.5f;
  settings.maxSizeFactor = 1.5f;
  settings.fadeSpeed = 0.25f;
  const auto r = UpcomingRands(11, 7);
  Sprites sprites(settings);
  ASSERT_EQ(3u, sprites.size());
  for (size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const Particle& p = sprites[i];
    EXPECT_EQ(&p, settings.spawned[i]) << "the class spawns each particle once it is listed";
    EXPECT_NEAR(0.5 + Fraction(r[2 * i]), p.sizeFactor, 1e-6);
    EXPECT_EQ(r[2 * i + 1] % 2 ? -0.25f : 0.25f, p.alphaVelocity);
    EXPECT_EQ(1, p.alpha);
    EXPECT_EQ(0, p.lastChange);
    EXPECT_EQ(0xFFFFFFFFu, p.colour) << "white, opaque";
  }
  EXPECT_EQ(r[6], std::rand()) << "two draws per particle, no more";
}

TEST(ParticleGeomArray, RaisingTheCountKeepsTheParticlesAndAppendsNewOnes) {
  RecordingSprite settings;
  settings.count = 3;
  Sprites sprites(settings);
  std::vector<const Particle*> first;
  for (size_t i = 0; i < 3; ++i) first.push_back(&sprites[i]);
  const D3DXVECTOR3 position = sprites[0].position;
  settings.count.Set(5);
  ASSERT_EQ(5u, sprites.size());
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(first[i], &sprites[i]);
  EXPECT_EQ(position, sprites[0].position);
  EXPECT_EQ(5u, settings.spawned.size()) << "only the two new ones were spawned";
  EXPECT_EQ(&sprites[3], settings.spawned[3]);
}

TEST(ParticleGeomArray, LoweringTheCountKeepsEveryParticleMoving) {
  RecordingSprite settings;
  settings.count = 5;
  Sprites sprites(settings);
  settings.count.Set(3);
  EXPECT_EQ(5u, sprites.size());
  sprites.Update(0.1f);
  EXPECT_EQ(5u, settings.moved.size());
  settings.count.Set(0);
  EXPECT_EQ(5u, sprites.size()) << "a count of 0 changes nothing";
}

TEST(ParticleGeomArray, CountsBeyondSixteenBitIndicesAreHeldAtTheirLimit) {
  RecordingSprite settings;
  settings.count = 20000;
  Sprites sprites(settings);
  EXPECT_EQ(ParticleGeomArray::MaxParticles, sprites.size());
  EXPECT_EQ(16384u, ParticleGeomArray::MaxParticles);
  EXPECT_EQ(16384u, sprites.geometry.WantedQuadCount());
}

TEST(ParticleGeomArray, WithoutBuffersNothingIsFilled) {
  RecordingSprite settings;
  settings.count = 2;
  Sprites sprites(settings);  // no device: the buffers could not be made
  EXPECT_EQ(0u, sprites.geometry.QuadCount());
  EXPECT_EQ(nullptr, sprites.geometry.vertexBuffer);
  EXPECT_EQ(nullptr, sprites.geometry.indexBuffer);
  sprites.geometry.FillVertices();
  EXPECT_FALSE(sprites.geometry.verticesWritten);
}

TEST(ParticleGeomArray, UpdateStepsTheClockBeforeMovingInSpawnOrder) {
  RecordingSprite settings;
  settings.count = 2;
  Sprites sprites(settings);
  sprites.Update(0.05f);
  EXPECT_NEAR(0.05f, settings.timeStep, 1e-6);
  EXPECT_EQ((std::vector<Particle*>{&sprites[0], &sprites[1]}), settings.moved);
}

TEST(Particle, HalfSizesFollowTheAspectOfOneFrame) {
  const struct {
    const char* label;
    float aspect;
    bool sheet;
    uint32_t frames;
    float halfWidth, halfHeight;
  } cases[] = {
      {"twice as wide as high", 0.5f, false, 1, 32, 16},
      {"twice as high as wide", 2, false, 1, 16, 32},
      {"a sheet of two such frames", 0.5f, true, 2, 32, 32},
      {"a sheet stored with no frames counts one", 0.5f, true, 0, 32, 16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    RecordingSprite settings;
    settings.size = 64;
    settings.sheetMode = c.sheet;
    settings.frameCount = c.frames;
    Particle p;
    p.Init(settings, c.aspect);
    EXPECT_EQ(c.halfWidth, p.halfWidth);
    EXPECT_EQ(c.halfHeight, p.halfHeight);
  }
}

TEST(Particle, InitGivesAnUprightSpriteAtTheDefaultPlace) {
  RecordingSprite settings;
  Particle p;
  p.velocity = D3DXVECTOR3(5, 5, 5);
  p.right = D3DXVECTOR3(0, 1, 0);
  p.Init(settings, 1);
  EXPECT_EQ(D3DXVECTOR3(100, 100, 0), p.position);
  EXPECT_EQ(D3DXVECTOR3(0, 0, 0), p.velocity);
  EXPECT_EQ(D3DXVECTOR3(1, 0, 0), p.right);
  EXPECT_EQ(D3DXVECTOR3(0, 1, 0), p.up);
  EXPECT_EQ(0, p.uLeft);
  EXPECT_EQ(1, p.uRight);
  EXPECT_EQ(0, p.vTop);
  EXPECT_EQ(1, p.vBottom);
}

TEST(Particle, AreaTestsCompareTheSpritesExtentWithTheEdges) {
  const PictureSize picture(1000, 500);
  RecordingSprite area;  // the whole picture
  Particle p;
  p.halfWidth = -10;  // mirrored: the extent is still 10
  p.halfHeight = 5;
  const struct {
    float x, y;
    bool left, right, above, below, crossesTop, crossesBottom, crossesRight;
  } cases[] = {
      {500, 250, false, false, false, false, false, false, false},
      {-11, 250, true, false, false, false, false, false, false},
      {-9, 250, false, false, false, false, false, false, false},
      {1011, 250, false, true, false, false, false, false, true},
      {995, 250, false, false, false, false, false, false, false},  // hw < 0: edge at 985
      {500, -6, false, false, true, false, true, false, false},
      {500, 4, false, false, false, false, true, false, false},
      {500, 506, false, false, false, true, false, true, false},
      {500, 496, false, false, false, false, false, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ")");
    p.position = D3DXVECTOR3(c.x, c.y, 0);
    EXPECT_EQ(c.left, p.IsLeftOfArea(area));
    EXPECT_EQ(c.right, p.IsRightOfArea(area));
    EXPECT_EQ(c.above, p.IsAboveArea(area));
    EXPECT_EQ(c.below, p.IsBelowArea(area));
    EXPECT_EQ(c.crossesTop, p.CrossesTop(area));
    EXPECT_EQ(c.crossesBottom, p.CrossesBottom(area));
    EXPECT_EQ(c.crossesRight, p.CrossesRight(area));
  }
  p.halfWidth = 10;
  p.position = D3DXVECTOR3(995, 250, 0);
  EXPECT_TRUE(p.CrossesRight(area));
}

// One upright sprite 40 wide and 20 high centred on (100, 50).
class SpriteQuads : public testing::Test {
protected:
  void SetUp() override {
    settings.size = 40;
    sprites = std::make_unique<Sprites>(settings, 0.5f);
    (*sprites)[0].position = D3DXVECTOR3(100, 50, 0);
    (*sprites)[0].colour = 0x80102030;
  }

  RecordingSprite settings;
  std::unique_ptr<Sprites> sprites;
};

TEST_F(SpriteQuads, VerticesRunFromTheBottomLeftWithTheTopLeftSecond) {
  const auto v = sprites->Quads(1);
  const struct {
    float x, y, u, v;
  } expected[] = {{80, 60, 0, 1}, {80, 40, 0, 0}, {120, 60, 1, 1}, {120, 40, 1, 0}};
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(expected[k].x, v[k].x);
    EXPECT_EQ(expected[k].y, v[k].y);
    EXPECT_EQ(0, v[k].z);
    EXPECT_EQ(expected[k].u, v[k].u);
    EXPECT_EQ(expected[k].v, v[k].v);
    EXPECT_EQ(0x80102030u, v[k].color);
  }
}

TEST_F(SpriteQuads, MirrorAndFlipSwapTheTextureEdges) {
  settings.mirror = 1;
  auto v = sprites->Quads(1);
  EXPECT_EQ(1, v[0].u) << "left vertices take u 1";
  EXPECT_EQ(1, v[1].u);
  EXPECT_EQ(0, v[2].u);
  settings.mirror = 0;
  settings.flipVertical = 1;
  v = sprites->Quads(1);
  EXPECT_EQ(1, v[1].v) << "top vertices take v 1";
  EXPECT_EQ(0, v[0].v);
}

TEST_F(SpriteQuads, ANegativeHalfWidthMirrorsThePositions) {
  (*sprites)[0].halfWidth = -20;
  const auto v = sprites->Quads(1);
  EXPECT_EQ(120, v[1].x) << "the texture's left edge is drawn on the right";
  EXPECT_EQ(80, v[3].x);
  EXPECT_EQ(0, v[1].u);
}

TEST_F(SpriteQuads, TurnedAxesSpanTheQuad) {
  Particle& p = (*sprites)[0];
  p.right = D3DXVECTOR3(0, -1, 0);
  p.up = D3DXVECTOR3(1, 0, 0);
  const auto v = sprites->Quads(1);
  // corner = (100, 50) - 20 (0, -1) - 10 (1, 0) = (90, 70)
  EXPECT_EQ(90, v[1].x);
  EXPECT_EQ(70, v[1].y);
  EXPECT_EQ(110, v[2].x);  // corner + 40 right + 20 up
  EXPECT_EQ(30, v[2].y);
}

TEST_F(SpriteQuads, OnlyTheFirstQuadsAreWritten) {
  settings.count.Set(3);
  (*sprites)[2].position = D3DXVECTOR3(7, 7, 0);
  std::vector<DX_V::PCT> vertices(12, DX_V::PCT{-1, -1, -1, 0, -1, -1});
  sprites->geometry.WriteQuads(vertices.data(), 2);
  EXPECT_NE(-1, vertices[7].x);
  EXPECT_EQ(-1, vertices[8].x) << "the third quad is left alone";
}

TEST_F(SpriteQuads, SheetFramesStepAtMostOncePerRefillAfterTheirTime) {
  settings.sheetMode = true;
  settings.frameCount = 4;
  settings.frameRate = 10;
  const struct {
    float scaledTime;
    float u0, u1;
  } steps[] = {{0.05f, 0, 0.25f},  {0.15f, 0.25f, 0.5f}, {0.2f, 0.25f, 0.5f},
               {0.3f, 0.5f, 0.75f}, {5, 0.75f, 1},       {5, 0.75f, 1},
               {5.2f, 0, 0.25f}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.scaledTime);
    settings.scaledTime = step.scaledTime;
    const auto v = sprites->Quads(1);
    EXPECT_EQ(step.u0, v[1].u);
    EXPECT_EQ(step.u1, v[3].u);
  }
}

TEST_F(SpriteQuads, SheetFramesAreMirroredToo) {
  settings.sheetMode = true;
  settings.frameCount = 2;
  settings.mirror = 1;
  const auto v = sprites->Quads(1);
  EXPECT_EQ(0.5f, v[1].u);
  EXPECT_EQ(0, v[3].u);
}

TEST_F(SpriteQuads, ASheetWithoutFramesOrRateStaysOnItsWholeImage) {
  settings.sheetMode = true;
  settings.frameCount = 0;
  settings.scaledTime = 100;
  const auto v = sprites->Quads(1);
  EXPECT_EQ(0, v[1].u);
  EXPECT_EQ(1, v[3].u);
  EXPECT_EQ(0u, sprites->geometry.sheetFrameIndex);
}

}  // namespace
