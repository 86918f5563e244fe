// The falling leaves: drift directions from the heading, the leaf's own draws, its drift per
// update, re-entry at the opposite edge, sway and its changes, the scale and tumble, the item's
// leaves and its document section.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "document/class_registry.h"
#include "items/objects3d/animation_clock.h"
#include "items/objects3d/kq_3d_in_2d_array.h"
#include "items/objects3d/kq_leaf_fall_anim.h"
#include "tests/items/objects3d/objects3d_testing.h"

namespace {

using namespace objects3d_testing;
using item_testing::Fraction;
using item_testing::PictureSize;
using item_testing::SeedWhere;
using item_testing::UpcomingRands;

TEST(DriftParametersTest, TheHeadingGivesTheDriftAndSwayDirections) {
  struct Case {
    int32_t angle;
    float alongX, alongY, acrossX, acrossY;  // picture pixels, y down
  } cases[] = {
      {0, 1, 0, 0, -1},   {90, 0, -1, -1, 0}, {180, -1, 0, 0, 1},
      {270, 0, 1, 1, 0},  {-90, 0, 1, 1, 0},  {-450, 0, 1, 1, 0},
  };
  for (const Case& c : cases) {
    DriftParameters motion;
    motion.SetHeading(c.angle);
    EXPECT_EQ(c.angle, motion.heading.angle);
    EXPECT_NEAR(c.alongX, motion.heading.along.x, 1e-5f) << c.angle;
    EXPECT_NEAR(c.alongY, motion.heading.along.y, 1e-5f) << c.angle;
    EXPECT_NEAR(c.acrossX, motion.heading.across.x, 1e-5f) << c.angle;
    EXPECT_NEAR(c.acrossY, motion.heading.across.y, 1e-5f) << c.angle;
  }
}

// A leaf on an 800 x 600 picture, 40 pixels across, drifting right at pace 0.1.
class LeafTest : public ::testing::Test {
protected:
  LeafTest() : picture_(800, 600) {
    motion.size = 40u;
    std::srand(1);
    leaf = std::make_unique<KQ_LeafFallAnim>(motion);
    leaf->pace = 0.1f;
    frame.radius = 10;
    Place(400, 300);
    AnimateAt(1);  // starts the leaf's clock
  }

  void Place(float x, float y) {
    leaf->placement._41 = x;
    leaf->placement._42 = y;
  }
  void AnimateAt(float clock) {
    AnimationClock = clock;
    leaf->Animate(frame);
  }
  float X() const { return leaf->placement._41; }
  float Y() const { return leaf->placement._42; }

  PictureSize picture_;
  DriftParameters motion;
  std::unique_ptr<KQ_LeafFallAnim> leaf;
  KQ_Frame frame;
};

TEST_F(LeafTest, ALeafIsPlacedSwayedPacedAndSpunFromTheNextDraws) {
  const std::vector<int> d = UpcomingRands(11, 17);
  KQ_LeafFallAnim fresh(motion);
  EXPECT_FLOAT_EQ(static_cast<float>(Fraction(d[0]) * 800), fresh.placement._41);
  EXPECT_FLOAT_EQ(static_cast<float>(Fraction(d[1]) * 600), fresh.placement._42);
  EXPECT_FLOAT_EQ(static_cast<float>(Fraction(d[2]) * 2 - 1), fresh.swayFactor);
  EXPECT_FLOAT_EQ(static_cast<float>(Fraction(d[3]) * 0.06 + 0.07), fresh.pace);
  for (int i = 0; i < 3; ++i) {
    const float sign = d[4 + 2 * i] % 2 ? -1.0f : 1.0f;
    const float expected = static_cast<float>(Fraction(d[5 + 2 * i]) * 3 + 7) * sign;
    EXPECT_FLOAT_EQ(expected, fresh.rate[i]) << "tumble " << i;
    EXPECT_FLOAT_EQ(expected, fresh.angle[i]) << "tumble " << i;
  }
  for (int i = 0; i < 2; ++i) {
    const float on = static_cast<float>(d[10 + 3 * i] % 2);
    const float sign = d[11 + 3 * i] % 2 ? -1.0f : 1.0f;
    const float expected = static_cast<float>(Fraction(d[12 + 3 * i]) * 4 + 3) * on * sign;
    EXPECT_FLOAT_EQ(expected, fresh.rate[3 + i]) << "swing " << i;
    EXPECT_FLOAT_EQ(expected, fresh.angle[3 + i]) << "swing " << i;
  }
  EXPECT_EQ(d[16], std::rand()) << "sixteen draws in all";
}

TEST_F(LeafTest, TheFirstUpdateOnlyStartsTheClock) {
  KQ_LeafFallAnim fresh(motion);
  const float x = fresh.placement._41;
  AnimationClock = 100;
  fresh.Animate(frame);
  EXPECT_EQ(0, fresh.step);
  EXPECT_EQ(x, fresh.placement._41);
}

TEST_F(LeafTest, DriftsBySpeedPaceAndTheCappedStep) {
  struct Case {
    const char* what;
    float seconds;
    float distance;
  } cases[] = {
      {"a 1/60 s frame", 1.0f / 60, 50 * 0.1f * (1.0f / 60) * 50},
      {"a pause counts as 0.2 s", 5, 50},
      {"time going back still moves forward", -0.1f, 25},
  };
  float clock = 1;
  for (const Case& c : cases) {
    Place(400, 300);
    clock += c.seconds;
    AnimateAt(clock);
    EXPECT_NEAR(400 + c.distance, X(), 1e-3f) << c.what;
    EXPECT_FLOAT_EQ(300, Y()) << c.what << ": sway 0 keeps to the heading";
  }
}

TEST_F(LeafTest, SwaysAcrossTheHeading) {
  motion.sway = 50u;
  leaf->swayFactor = 1;
  Place(400, 300);
  AnimateAt(1.2f);  // 0.2 s: k = 50 x 0.1 x 0.2 x 50 = 50, q = 1 x 50 x 0.02 = 1
  EXPECT_NEAR(450, X(), 1e-3f);
  EXPECT_NEAR(250, Y(), 1e-3f) << "across heading 0 is up the picture";
}

TEST_F(LeafTest, ReentersAtTheOppositeEdgeInsteadOfMoving) {
  struct Case {
    const char* what;
    int32_t heading;
    float x, y;
    bool newX;              // the random draw is the new x, else the new y
    float fixedCoordinate;  // the other one
  } cases[] = {
      {"down past the bottom", 270, 100, 621, true, -20},
      {"up past the top", 90, 100, -21, true, 620},
      {"right past the right edge", 0, 821, 100, false, -20},
      {"left past the left edge", 180, -21, 100, false, 820},
  };
  float clock = 1;
  for (const Case& c : cases) {
    motion.SetHeading(c.heading);
    Place(c.x, c.y);
    const std::vector<int> d = UpcomingRands(9, 1);
    clock += 0.1f;
    AnimateAt(clock);
    const float drawn = static_cast<float>(Fraction(d[0]) * (c.newX ? 800 : 600));
    EXPECT_NEAR(c.newX ? drawn : c.fixedCoordinate, X(), 1e-3f) << c.what;
    EXPECT_NEAR(c.newX ? c.fixedCoordinate : drawn, Y(), 1e-3f) << c.what;
  }
  // Inside the margin a leaf just moves on.
  motion.SetHeading(270);
  Place(100, 619);
  clock += 0.1f;
  AnimateAt(clock);
  EXPECT_NEAR(100, X(), 1e-3f);
  EXPECT_NEAR(644, Y(), 1e-3f);
}

TEST_F(LeafTest, PicksANewSwayOnlyNowAndThen) {
  // speed 50, rate 10: a change is due once more than 2 s have passed since the last.
  motion.swayChangeRate = 10u;
  leaf->swayFactor = 0.5f;
  const unsigned int seed = SeedWhere([](const std::vector<int>& d) { return d[0] % 2 == 1; });
  const std::vector<int> d = UpcomingRands(seed, 2);
  Place(400, 300);
  AnimateAt(2);
  EXPECT_FLOAT_EQ(0.5f, leaf->swayFactor) << "not yet due";
  EXPECT_EQ(d[0], std::rand()) << "and nothing drawn";
  std::srand(seed);
  AnimateAt(2.5f);
  EXPECT_FLOAT_EQ(2.5f, leaf->swayChangedAt);
  EXPECT_FLOAT_EQ(static_cast<float>(Fraction(d[1]) * 2 - 1), leaf->swayFactor);
}

TEST_F(LeafTest, AChangeRateOf0NeverChangesTheSway) {
  leaf->swayFactor = 0.5f;
  const std::vector<int> d = UpcomingRands(4, 1);
  AnimateAt(1000);
  EXPECT_FLOAT_EQ(0.5f, leaf->swayFactor);
  EXPECT_FLOAT_EQ(0, leaf->swayChangedAt);
  EXPECT_EQ(d[0], std::rand());
}

TEST_F(LeafTest, TumblesBySpinAndSwingsBySway) {
  float before[KQ_LeafFallAnim::AxisCount];
  std::copy(std::begin(leaf->angle), std::end(leaf->angle), before);
  AnimateAt(1.1f);  // step 0.1; spin 100 (x 0.4 = 4 per second of step), sway 0
  for (int i = 0; i < 3; ++i)
    EXPECT_NEAR(before[i] + leaf->rate[i] * 0.1f * 100 * 0.4f, leaf->angle[i], 1e-4f) << i;
  for (int i = 3; i < 5; ++i) EXPECT_FLOAT_EQ(before[i], leaf->angle[i]) << i;
}

// The leaf is scaled so that its bounding sphere is `size` across, turned about its own centre
// and swung on an arm 50 units long about the placement.
TEST_F(LeafTest, IsScaledToItsSizeAndNeverInfinitely) {
  struct Case {
    unsigned int size;
    float radius;
    float scale;
  } cases[] = {{40, 10, 2}, {40, 0, 0}, {0, 10, 0}};
  for (const Case& c : cases) {
    motion.size = c.size;
    frame.radius = c.radius;
    AnimateAt(1);
    const D3DXVECTOR3 xAxis(frame.world._11, frame.world._12, frame.world._13);
    EXPECT_NEAR(c.scale, D3DXVec3Length(&xAxis), 1e-4f) << c.size << " / " << c.radius;
    for (float value : frame.world.m[0]) EXPECT_TRUE(std::isfinite(value));
    EXPECT_TRUE(std::isfinite(frame.world._41) && std::isfinite(frame.world._42));
  }
}

// Quarter turns make each step visible. Scale 2 (size 40 over radius 10), placed at (400, 300);
// the clock stands still, so the angles stay as set and the leaf does not drift.
TEST_F(LeafTest, TumblesXThenZThenYThenSwingsOnAnUnscaledArmAboutYThenX) {
  const struct Case {
    const char* what;
    float tumbleX, tumbleY, tumbleZ, swingY, swingX;
    D3DXVECTOR3 point;     // in the leaf's own units
    D3DXVECTOR3 expected;  // picture pixels and depth
  } cases[] = {
      {"unturned: scaled, at the arm's end", 0, 0, 0, 0, 0, {1, 0, 0}, {402, 300, 50}},
      {"the centre is the arm's end", 0, 0, 0, 0, 0, {0, 0, 0}, {400, 300, 50}},
      {"X first: x stays, then Z turns it to y", 90, 0, 90, 0, 0, {1, 0, 0}, {400, 302, 50}},
      {"X first: y goes to z, Z leaves it", 90, 0, 90, 0, 0, {0, 1, 0}, {400, 300, 52}},
      {"Z before Y: y to -x, Y turns it to z", 0, 90, 90, 0, 0, {0, 1, 0}, {400, 300, 52}},
      {"Z before Y: z stays, Y turns it to x", 0, 90, 90, 0, 0, {0, 0, 1}, {402, 300, 50}},
      {"swing Y turns the arm to +x", 0, 0, 0, 90, 0, {0, 0, 0}, {450, 300, 0}},
      {"the arm is not scaled", 0, 0, 0, 90, 0, {1, 0, 0}, {450, 300, -2}},
      {"swing X turns the arm to -y", 0, 0, 0, 0, 90, {0, 0, 0}, {400, 250, 0}},
      {"swing Y before X: the arm to +x, X leaves it", 0, 0, 0, 90, 90, {0, 0, 0}, {450, 300, 0}},
      {"tumbled on the arm, then swung", 90, 0, 0, 90, 0, {0, 1, 0}, {452, 300, 0}},
  };
  for (const Case& c : cases) {
    leaf->angle[KQ_LeafFallAnim::TumbleX] = c.tumbleX;
    leaf->angle[KQ_LeafFallAnim::TumbleY] = c.tumbleY;
    leaf->angle[KQ_LeafFallAnim::TumbleZ] = c.tumbleZ;
    leaf->angle[KQ_LeafFallAnim::SwingY] = c.swingY;
    leaf->angle[KQ_LeafFallAnim::SwingX] = c.swingX;
    Place(400, 300);
    AnimateAt(1);
    ExpectNear(c.expected, Through(frame.world, c.point), 1e-3f, c.what);
  }
}

TEST(LeafItemTest, MakesItsLeavesOnceAndAnimatesThemByTheSharedClock) {
  PictureSize picture(800, 600);
  KQ_3D_in_2D_array_Constructor settings;
  settings.count = 5u;
  settings.motion.size = 30u;
  std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
  auto& leaves = static_cast<KQ_3D_in_2D_array&>(*item);
  EXPECT_EQ(&leaves, leaves.settings->runtimeObject);
  EXPECT_EQ(nullptr, settings.runtimeObject) << "the document's object is not touched";
  ASSERT_EQ(5u, leaves.mesh.frame.children.size());
  for (const KQ_Frame* leaf : leaves.mesh.frame.children)
    EXPECT_TRUE(dynamic_cast<KQ_LeafFallAnim*>(leaf->animator.get()));
  leaves.settings->count.Set(9);
  EXPECT_EQ(5u, leaves.mesh.frame.children.size()) << "the count is fixed once made";

  leaves.Update(3);
  EXPECT_EQ(3, AnimationClock);
  // Without a mesh the light is never asked to draw.
  CountingRender light;
  leaves.Draw(light);
  EXPECT_EQ(0, light.meshFrames);
}

TEST(LeafItemTest, ItsSectionIsReadFieldByFieldAndWrittenBackTheSame) {
  KQ_IOF_W w;
  WriteSectionHeader(w, L"KQ_3D_in_2D_array_Constructor", 1);
  w.WriteString(L"leaves");
  w.WriteUInt(25);
  KQ_EmbeddedData mesh;
  mesh.name = L"leaf.x";
  mesh.bytes = {1, 2, 3};
  KQ_EmbeddedData texture(94, L"tessaly.dll");
  w.WriteEmbeddedData(mesh);
  w.WriteEmbeddedData(texture);
  for (unsigned int value : {36u, 60u, 40u, 5u, 120u}) w.WriteUInt(value);
  w.WriteUInt(static_cast<unsigned int>(-90));  // a negative angle as the stream holds it
  WriteSectionHeader(w, L"KQ_ABObj_Constructor", 1);
  w.WriteString(L"leaves");

  std::unique_ptr<KQ_3D_in_2D_array_Constructor> leaves =
      item_testing::ReadRecord<KQ_3D_in_2D_array_Constructor>(w.Bytes());
  ASSERT_TRUE(leaves);
  EXPECT_EQ(L"leaves", leaves->objectName);
  EXPECT_EQ(25u, leaves->count.Get());
  EXPECT_EQ(L"leaf.x", leaves->meshData.name);
  EXPECT_EQ(mesh.bytes, leaves->meshData.bytes);
  EXPECT_EQ(94, leaves->textureData.id);
  EXPECT_EQ(36u, leaves->motion.size.Get());
  EXPECT_EQ(60u, leaves->motion.speed.Get());
  EXPECT_EQ(40u, leaves->motion.sway.Get());
  EXPECT_EQ(5u, leaves->motion.swayChangeRate.Get());
  EXPECT_EQ(120u, leaves->motion.spin.Get());
  EXPECT_EQ(-90, leaves->motion.heading.angle);
  EXPECT_NEAR(1, leaves->motion.heading.along.y, 1e-5f) << "-90 drifts down, like 270";
  EXPECT_EQ(w.Bytes(), item_testing::Written(*leaves));
}

}  // namespace
