// The butterflies: where a butterfly starts, how it keeps to the area, the manoeuvres it picks
// from a known run of rand(), its glides and wing beats, its frames and its document section.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "items/objects3d/ac_butterfly.h"
#include "items/objects3d/kq_3d_obj_array.h"
#include "items/objects3d/kq_butterfly_constructor.h"
#include "tests/items/objects3d/objects3d_testing.h"

namespace {

using namespace objects3d_testing;
using item_testing::Fraction;
using item_testing::PictureSize;
using item_testing::SeedWhere;
using item_testing::UpcomingRands;

// A butterfly on a 1000 x 500 picture (the default area is all of it) whose next update takes
// no time, so only the decisions under test move it.
class ButterflyTest : public ::testing::Test {
protected:
  ButterflyTest() : picture_(1000, 500) {
    std::srand(1);
    butterfly = std::make_unique<AC_Butterfly>(settings);
    butterfly->position = D3DXVECTOR3(500, 250, 0);
    butterfly->heading = Ramp{0, 0, 350};
    settings.timeStep = 0;
    settings.scaledTime = 0;
  }

  void Animate() { butterfly->Animate(frame); }

  PictureSize picture_;
  KQ_ButterflyConstructor settings;
  std::unique_ptr<AC_Butterfly> butterfly;
  KQ_Frame frame;
};

TEST_F(ButterflyTest, StartsAtARandomPointWithARandomHeadingFlapping) {
  const std::vector<int> draws = UpcomingRands(7, 3);
  AC_Butterfly fresh(settings);
  EXPECT_FLOAT_EQ(static_cast<float>(Fraction(draws[0]) * 1000), fresh.position.x);
  EXPECT_FLOAT_EQ(static_cast<float>(Fraction(draws[1]) * 500), fresh.position.y);
  EXPECT_FLOAT_EQ(static_cast<float>(Fraction(draws[2]) * 360), fresh.heading.current);
  EXPECT_EQ(fresh.heading.current, fresh.heading.target);
  EXPECT_EQ(AC_Butterfly::Flapping, fresh.currentMode);
  EXPECT_EQ(AC_Butterfly::Flapping, fresh.requestedMode);
  EXPECT_FLOAT_EQ(1.0f, fresh.size._11);  // object size 100
}

TEST_F(ButterflyTest, KeepsToTheArea) {
  struct Case {
    const char* where;
    D3DXVECTOR3 position;
    int requestedMode;
    float climbTarget, headingTarget, forwardTarget;
  } cases[] = {
      {"inside", {500, 250, 0}, AC_Butterfly::Flapping, 50, 0, 50},
      {"above the top: sinks and glides", {500, -1, 0}, AC_Butterfly::Gliding, 100, 0, 50},
      {"below the bottom: rises and flaps", {500, 501, 0}, AC_Butterfly::Flapping, -190, 0, 50},
      {"left of the area: turns right, fast", {-1, 250, 0}, AC_Butterfly::Flapping, 50, 0, 300},
      {"right of the area: turns left, fast", {1001, 250, 0}, AC_Butterfly::Flapping, 50, -180, 300},
  };
  for (const Case& c : cases) {
    AC_Butterfly b(settings);
    b.position = c.position;
    b.heading = Ramp{90, 90, 10};
    b.Animate(frame);
    EXPECT_EQ(c.requestedMode, b.requestedMode) << c.where;
    EXPECT_FLOAT_EQ(c.climbTarget, b.climb.target) << c.where;
    EXPECT_FLOAT_EQ(c.forwardTarget, b.forward.target) << c.where;
    if (c.forwardTarget == 300) {
      EXPECT_FLOAT_EQ(c.headingTarget, b.heading.target) << c.where;
      EXPECT_FLOAT_EQ(-350, b.heading.rate) << c.where << ": both turns run down from 90";
    } else {
      EXPECT_FLOAT_EQ(90, b.heading.target) << c.where;
    }
  }
}

TEST_F(ButterflyTest, PicksAManoeuvreFromTheNextDraws) {
  settings.scaledTime = 1;
  struct Case {
    const char* what;
    int choice;  // rand() % 5
    int extra;   // -1: any; else the parity the second draw must have
  } cases[] = {
      {"sink, flapping", 0, -1},           {"glide down", 1, -1},
      {"new forward speed", 2, -1},        {"turn towards the right", 3, 1},
      {"turn towards the left", 4, 0},
  };
  for (const Case& c : cases) {
    const unsigned int seed = SeedWhere([&](const std::vector<int>& d) {
      return d[0] % 5 == c.choice && (c.extra < 0 || d[1] % 2 == c.extra);
    });
    const std::vector<int> d = UpcomingRands(seed, 4);
    AC_Butterfly& b = *butterfly;
    b.lastDecisionTime = 0;
    b.requestedMode = b.currentMode = AC_Butterfly::Flapping;
    b.climb = Ramp{50, 50, 250};
    b.forward = Ramp{50, 50, 350};
    b.heading = Ramp{0, 0, 350};
    Animate();
    EXPECT_FLOAT_EQ(1, b.lastDecisionTime) << c.what;
    switch (c.choice) {
      case 0:
        EXPECT_EQ(AC_Butterfly::Flapping, b.requestedMode) << c.what;
        EXPECT_FLOAT_EQ(static_cast<float>(-190 + Fraction(d[1]) * 190), b.climb.target) << c.what;
        break;
      case 1:
        EXPECT_EQ(AC_Butterfly::Gliding, b.requestedMode) << c.what;
        EXPECT_FLOAT_EQ(static_cast<float>(100 + Fraction(d[1]) * 50), b.climb.target) << c.what;
        break;
      case 2:
        EXPECT_EQ(AC_Butterfly::Flapping, b.requestedMode) << c.what;
        EXPECT_FLOAT_EQ(static_cast<float>(-25 + Fraction(d[1]) * 325), b.forward.target) << c.what;
        break;
      default: {
        const float rate = static_cast<float>(50 + Fraction(d[2]) * 300);
        const float target = static_cast<float>((c.extra ? -25 : 155) + Fraction(d[3]) * 50);
        EXPECT_NEAR(target, b.heading.target, 1e-3f) << c.what;
        EXPECT_NEAR(rate, std::fabs(b.heading.rate), 1e-3f) << c.what;
        break;
      }
    }
  }
}

TEST_F(ButterflyTest, DecidesNothingTooSoonOrWhileAModeChangeIsPending) {
  struct Case {
    const char* what;
    float itemTime;
    int requestedMode;
  } cases[] = {
      {"a quarter second after the last", 0.25f, AC_Butterfly::Flapping},
      {"a glide still waiting for the wings", 1, AC_Butterfly::Gliding},
  };
  for (const Case& c : cases) {
    settings.scaledTime = c.itemTime;
    butterfly->requestedMode = c.requestedMode;
    butterfly->flapAngle = 0;
    const std::vector<int> d = UpcomingRands(3, 1);
    Animate();
    EXPECT_EQ(d[0], std::rand()) << c.what << ": no draw was made";
    EXPECT_FLOAT_EQ(0, butterfly->lastDecisionTime) << c.what;
  }
}

TEST_F(ButterflyTest, GlidesOnceTheWingsAreDownAndFlapsAgainAtOnce) {
  AC_Butterfly& b = *butterfly;
  b.requestedMode = AC_Butterfly::Gliding;
  b.flapAngle = -20;
  b.flapSpeed = -160;
  Animate();
  EXPECT_EQ(AC_Butterfly::Flapping, b.currentMode) << "wings not yet below -27.5";
  EXPECT_FLOAT_EQ(0, b.flapUpper);
  b.flapAngle = -30;
  Animate();
  EXPECT_EQ(AC_Butterfly::Gliding, b.currentMode);
  EXPECT_FLOAT_EQ(-1.6f, b.flapSpeed);

  struct Case {
    float forward;
    bool drawn;  // a random beat, else 160
  } cases[] = {{50, true}, {20, false}};
  for (const Case& c : cases) {
    b.currentMode = AC_Butterfly::Gliding;
    b.requestedMode = AC_Butterfly::Flapping;
    b.forward = Ramp{c.forward, c.forward, 350};
    const std::vector<int> d = UpcomingRands(5, 1);
    Animate();
    EXPECT_EQ(AC_Butterfly::Flapping, b.currentMode);
    EXPECT_FLOAT_EQ(55, b.flapUpper);
    const float expected =
        c.drawn ? static_cast<float>(-160 + Fraction(d[0]) * (c.forward / 3 - 50 + 160)) : 160;
    EXPECT_NEAR(expected, b.flapSpeed, 1e-3f) << c.forward;
  }
}

TEST_F(ButterflyTest, TheWingsFollowTheBeat) {
  struct Case {
    float flapAngle;
    BYTE windingA, windingB;
  } cases[] = {{10, 1, 0}, {-10, 0, 1}, {0, 0, 0}};
  for (const Case& c : cases) {
    butterfly->flapAngle = c.flapAngle;
    Animate();
    D3DXMATRIX expectedA, mirror;
    D3DXMatrixRotationZ(&expectedA, D3DXToRadian(c.flapAngle));
    D3DXMatrixScaling(&mirror, -1, 1, 1);
    EXPECT_EQ(expectedA, butterfly->wingA->wingMatrix) << c.flapAngle;
    EXPECT_EQ(expectedA * mirror, butterfly->wingB->wingMatrix) << c.flapAngle;
    EXPECT_EQ(c.windingA, butterfly->wingA->windingFlag) << c.flapAngle;
    EXPECT_EQ(c.windingB, butterfly->wingB->windingFlag) << c.flapAngle;
  }
}

TEST_F(ButterflyTest, BeatsBetweenTheLimits) {
  settings.timeStep = 0.1f;
  AC_Butterfly& b = *butterfly;
  b.flapAngle = 50;
  Animate();  // 50 + 0.1 x 7 x 100 = 120, over the top
  EXPECT_FLOAT_EQ(120, b.flapAngle);
  EXPECT_FLOAT_EQ(-160, b.flapSpeed);
  b.flapAngle = -50;
  Animate();  // -50 - 112 = -162, under the bottom
  EXPECT_FLOAT_EQ(100, b.flapSpeed);
}

TEST_F(ButterflyTest, FliesAlongItsHeadingAndClimbsOrSinks) {
  settings.timeStep = 0.1f;
  struct Case {
    float heading;
    float dx;
  } cases[] = {{0, 5}, {180, -5}, {90, 0}, {270, 0}};
  for (const Case& c : cases) {
    AC_Butterfly& b = *butterfly;
    b.position = D3DXVECTOR3(500, 250, 0);
    b.heading = Ramp{c.heading, c.heading, 350};
    b.forward = Ramp{50, 50, 350};
    b.climb = Ramp{50, 50, 250};
    Animate();
    EXPECT_NEAR(500 + c.dx, b.position.x, 1e-3f) << c.heading;
    EXPECT_NEAR(255, b.position.y, 1e-3f) << c.heading << ": climb 50 is down";
    EXPECT_EQ(0, b.position.z);
  }
}

TEST_F(ButterflyTest, PitchesUpOnlyBelowAForwardSpeedOf100) {
  auto poseAt = [&](float forward) {
    butterfly->forward = Ramp{forward, forward, 350};
    butterfly->flapAngle = 0;
    butterfly->bank = Ramp{0, 0, 50};
    Animate();
    return frame.world;
  };
  const D3DXMATRIX fast = poseAt(150);
  EXPECT_EQ(fast, poseAt(100));
  EXPECT_NE(fast, poseAt(50));
}

// A turn of more than 5 degrees banks towards it at 50 degrees per unit of item time, up to 25;
// once there the bank returns to level at the same rate. The pose of an update uses the bank
// from before its ramps advance.
TEST_F(ButterflyTest, BanksIntoATurnAndLevelsOutOnceTheBankIsReached) {
  struct Case {
    const char* what;
    float heading, target;  // rate 350: 35 degrees of heading per update
    std::vector<float> banks;  // the bank after each update of 0.1
  } cases[] = {
      {"turning to a larger heading banks positive", 0, 90,
       {5, 10, 15, 20, 25, 20, 15, 10, 5, 0, 0}},
      {"turning to a smaller heading banks negative", 90, 0,
       {-5, -10, -15, -20, -25, -20, -15, -10, -5, 0, 0}},
      {"a turn of 5 degrees does not bank", 0, 5, {0, 0, 0}},
      {"nor does a turn of -5", 5, 0, {0, 0, 0}},
  };
  settings.timeStep = 0.1f;
  for (const Case& c : cases) {
    butterfly->heading = Ramp{c.heading, c.heading, 350};
    butterfly->heading.SetTarget(c.target, 350);
    butterfly->bank = Ramp{0, 0, 50};
    for (size_t update = 0; update < c.banks.size(); ++update) {
      Animate();
      EXPECT_NEAR(c.banks[update], butterfly->bank.current, 1e-4f)
          << c.what << ", update " << update + 1;
    }
  }
}

// The bank rolls the body about its own length (its z axis, before the tilt and the heading).
TEST_F(ButterflyTest, TheBankRollsTheBodyAboutItsOwnLength) {
  auto poseBankedBy = [&](float bank) {
    butterfly->bank = Ramp{bank, bank, 50};
    butterfly->flapAngle = 0;
    Animate();
    return frame.world;
  };
  butterfly->heading = Ramp{30, 30, 350};
  const D3DXMATRIX level = poseBankedBy(0);
  const D3DXMATRIX banked = poseBankedBy(25);
  const float r = D3DXToRadian(25.0f);
  const struct {
    const char* what;
    D3DXVECTOR3 bodyAxis;  // in the body's own frame
    D3DXVECTOR3 rolled;    // the same axis after the roll, in the body's own frame
  } axes[] = {
      {"the length stays", {0, 0, 1}, {0, 0, 1}},
      {"x rolls towards y", {1, 0, 0}, {std::cos(r), std::sin(r), 0}},
      {"y rolls towards -x", {0, 1, 0}, {-std::sin(r), std::cos(r), 0}},
  };
  for (const auto& axis : axes) {
    D3DXVECTOR3 expected, actual;
    D3DXVec3TransformNormal(&expected, &axis.rolled, &level);
    D3DXVec3TransformNormal(&actual, &axis.bodyAxis, &banked);
    ExpectNear(expected, actual, 1e-5f, axis.what);
  }
}

TEST(ButterflyItemTest, AnInstanceIsABodyWithTwoWings) {
  PictureSize picture(1000, 500);
  KQ_ButterflyConstructor settings;
  settings.wingScale = 2;
  std::unique_ptr<KQ_Frame, void (*)(KQ_Frame*)> root(
      settings.CreateInstanceFrames(), [](KQ_Frame* f) { f->DestroyWithChildren(); });
  ASSERT_EQ(2u, root->children.size());
  ExpectNear({0, 0, -0.5f}, Through(root->local, {1, 0, 0}), 1e-6f, "body turned and halved");
  for (const KQ_Frame* wing : root->children) {
    EXPECT_FLOAT_EQ(2, wing->local._11);
    EXPECT_TRUE(wing->animator);
  }
  auto* body = dynamic_cast<AC_Butterfly*>(root->animator.get());
  ASSERT_TRUE(body);
  EXPECT_EQ(body->wingA, root->children[0]->animator);
  EXPECT_EQ(body->wingB, root->children[1]->animator);
}

// Raising the count appends new butterflies, lowering it removes the oldest first, and the parts
// follow: bodies at the roots, both wings of every butterfly at the wing part.
TEST(ButterflyItemTest, TheCountAddsAtTheEndAndRemovesTheOldest) {
  PictureSize picture(1000, 500);
  KQ_ButterflyConstructor settings;
  settings.objectCount = 3u;
  std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
  auto& butterflies = static_cast<KQ_3DObjArray&>(*item);
  auto& clone = static_cast<KQ_ButterflyConstructor&>(item->Settings());
  auto check = [&](size_t count, const char* what) {
    const std::vector<KQ_Frame*> roots(butterflies.Instances().begin(), butterflies.Instances().end());
    EXPECT_EQ(count, roots.size()) << what;
    EXPECT_EQ(roots, butterflies.Parts()[0].frames) << what;
    std::vector<KQ_Frame*> wings;
    for (KQ_Frame* root : roots) wings.insert(wings.end(), root->children.begin(), root->children.end());
    EXPECT_EQ(wings, butterflies.Parts()[1].frames) << what;
    return roots;
  };
  const std::vector<KQ_Frame*> three = check(3, "three");
  EXPECT_EQ(1, butterflies.Parts()[1].flag);
  EXPECT_EQ(0, butterflies.Parts()[0].flag);
  clone.objectCount.Set(1);
  EXPECT_EQ(std::vector<KQ_Frame*>{three[2]}, check(1, "one")) << "the newest stays";
  clone.objectCount.Set(2);
  EXPECT_EQ(three[2], check(2, "two").front()) << "the new one comes last";
  clone.objectCount.Set(0);
  check(0, "none");
  butterflies.Update(0.5f);
}

TEST(ButterflyItemTest, NewButterfliesUseThePacksBodyAndWing) {
  KQ_ButterflyConstructor b;
  EXPECT_EQ((FileLinkKey{L"tessaly.dll", 6}), b.bodyImage.Key());
  EXPECT_EQ((FileLinkKey{L"tessaly.dll", 68}), b.bodyMesh.Key());
  EXPECT_EQ((FileLinkKey{L"tessaly.dll", 69}), b.meshLink.Key());
  EXPECT_TRUE(b.imageLink.Key().path.empty()) << "the wing image has no default";
  EXPECT_EQ(100u, b.objectSize.Get());
  EXPECT_EQ(1u, b.objectCount.Get());
  EXPECT_EQ(50u, b.speed.Get());
  EXPECT_TRUE(b.storedFlag);
  EXPECT_FLOAT_EQ(1, b.wingScale);
  EXPECT_FLOAT_EQ(50, b.firstSpare.Result());
}

TEST(ButterflyItemTest, ReadsBothVersionsOfItsSection) {
  for (unsigned long version : {1ul, 2ul}) {
    KQ_IOF_W w;
    WriteSectionHeader(w, L"KQ_ButterflyConstructor", version);
    w.WriteString(L"body.png");
    w.WriteInt64(5);
    w.WriteString(L"body.x");
    w.WriteInt64(6);
    w.WriteUInt(30);
    w.WriteUInt(40);
    if (version >= 2) w.WriteFloat(1.5f);
    WriteObjectSection(w, ObjectFields());

    std::unique_ptr<KQ_ButterflyConstructor> b =
        item_testing::ReadRecord<KQ_ButterflyConstructor>(w.Bytes());
    ASSERT_TRUE(b) << version;
    EXPECT_EQ((FileLinkKey{L"body.png", 5}), b->bodyImage.Key());
    EXPECT_EQ((FileLinkKey{L"body.x", 6}), b->bodyMesh.Key());
    EXPECT_FLOAT_EQ(30, b->firstSpare.Result()) << "read through the setting, so its result follows";
    EXPECT_FLOAT_EQ(40, b->secondSpare.Result());
    EXPECT_FLOAT_EQ(version >= 2 ? 1.5f : 1.0f, b->wingScale) << version;
    EXPECT_EQ(3u, b->objectCount.Get());
    EXPECT_EQ(120u, b->objectSize.Get());
    EXPECT_EQ((FileLinkKey{L"wing.png", 17}), b->imageLink.Key());
    EXPECT_EQ(0.25f, b->leftFraction);
    if (version == 2) {
      EXPECT_EQ(w.Bytes(), item_testing::Written(*b));
    }
  }
}

}  // namespace
