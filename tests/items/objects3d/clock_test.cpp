// The clock: hand angles from the local time, the face placed and sized by its rectangle, the
// hands' tips where the time puts them, and its document section.
#include <gtest/gtest.h>

#include "items/objects3d/ac_clock_arrow.h"
#include "items/objects3d/ac_static.h"
#include "items/objects3d/kq_3d_obj_array.h"
#include "items/objects3d/kq_clock_constructor.h"
#include "render/kq_frame.h"
#include "tests/items/objects3d/objects3d_testing.h"

namespace {

using namespace objects3d_testing;
using item_testing::PictureSize;

TEST(ClockTest, HandAnglesFollowTheLocalTime) {
  struct Case {
    int hour, minute, second;
    float hourAngle, minuteAngle;
  } cases[] = {
      {3, 30, 0, 105, 180},    {15, 0, 0, 90, 0},       {3, 0, 0, 90, 0},
      {0, 0, 0, 0, 0},         {12, 15, 30, 7.5f, 93},  {11, 59, 30, 359.5f, 357},
  };
  for (const Case& c : cases) {
    std::tm local{};
    local.tm_hour = c.hour;
    local.tm_min = c.minute;
    local.tm_sec = c.second;
    EXPECT_FLOAT_EQ(c.hourAngle, AC_ClockArrow::HandAngle(true, local)) << c.hour << ":" << c.minute;
    EXPECT_FLOAT_EQ(c.minuteAngle, AC_ClockArrow::HandAngle(false, local))
        << c.hour << ":" << c.minute << ":" << c.second;
  }
}

TEST(ClockTest, TheComputersLocalTimeIsReadAsTheRuntimeGivesIt) {
  const std::time_t before = std::time(nullptr);
  std::tm read{};
  ASSERT_TRUE(ReadLocalTime(read));
  std::tm expected = *std::localtime(&before);
  // The same minute, unless the clock ticked over between the two reads.
  const int minutes = read.tm_hour * 60 + read.tm_min;
  const int expectedMinutes = expected.tm_hour * 60 + expected.tm_min;
  EXPECT_LE((minutes - expectedMinutes + 1440) % 1440, 1);
}

TEST(ClockTest, AHandTurnsItsLocalMatrixAboutY) {
  FixedLocalTime time(3, 30, 0);
  AC_ClockArrow hour(1, FixedLocalTime::Read);
  KQ_Frame frame;
  D3DXMatrixTranslation(&frame.local, 0, 0, 10);
  hour.Animate(frame);
  D3DXMATRIX turn, expected;
  D3DXMatrixRotationY(&turn, D3DXToRadian(105.0f));
  expected = frame.local * turn;
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(expected.m[i / 4][i % 4], frame.world.m[i / 4][i % 4], 1e-5f);
}

TEST(ClockTest, WithoutALocalTimeAHandStaysWhereItWas) {
  AC_ClockArrow minute(0, NoLocalTime);
  KQ_Frame frame;
  D3DXMatrixTranslation(&frame.world, 1, 2, 3);
  const D3DXMATRIX before = frame.world;
  minute.Animate(frame);
  EXPECT_EQ(before, frame.world);
}

TEST(ClockTest, TheFaceKeepsItsEdgesAroundTheCentre) {
  struct Case {
    unsigned int size;
    int half;
  } cases[] = {{401, 200}, {400, 200}, {1, 0}, {0, 0}};
  for (const Case& c : cases) {
    KQ_ClockConstructor settings;
    settings.clockRectangle.first_extra = 300;
    settings.clockRectangle.second_extra = 200;
    settings.objectSize = c.size;
    AC_Static face(settings);
    const MediaRectangle& r = settings.clockRectangle;
    EXPECT_EQ(300 - c.half, r.left.Get()) << c.size;
    EXPECT_EQ(300 + c.half, r.right.Get()) << c.size;
    EXPECT_EQ(200 - c.half, r.top.Get()) << c.size;
    EXPECT_EQ(200 + c.half, r.bottom.Get()) << c.size;
    EXPECT_FLOAT_EQ(static_cast<float>(c.size), face.sizeMatrix._11) << c.size;
    EXPECT_FLOAT_EQ(300, face.positionMatrix._41);
    EXPECT_FLOAT_EQ(200, face.positionMatrix._42);
  }
}

TEST(ClockTest, ANewClockSitsAtThePictureCentreWithThePacksFaceAndHands) {
  PictureSize picture(801, 600);
  KQ_ClockConstructor clock;
  EXPECT_EQ(400, clock.clockRectangle.first_extra.Get());
  EXPECT_EQ(300, clock.clockRectangle.second_extra.Get());
  EXPECT_EQ(400u, clock.objectSize.Get());
  EXPECT_EQ(1u, clock.objectCount.Get());
  EXPECT_EQ((FileLinkKey{L"tessaly.dll", 71}), clock.imageLink.Key());
  EXPECT_EQ((FileLinkKey{L"tessaly.dll", 72}), clock.handsImage.Key());
  EXPECT_EQ((FileLinkKey{L"tessaly.dll", 70}), clock.meshLink.Key());
}

// The hands' tips (the plate's top edge, z = 50) land on the picture where the time puts them:
// at object size 400 a mesh unit is 4 pixels, so the hour tip is 100 pixels from the centre and
// the minute tip 128.
TEST(ClockTest, TheHandsTipsPointAtTheTime) {
  PictureSize picture(800, 600);
  struct Case {
    int hour, minute;
    D3DXVECTOR3 hourTip, minuteTip;
  } cases[] = {
      {3, 0, {500, 300, 0}, {400, 172, 0}},
      {6, 30, {400 - 100 * 0.258819f, 300 + 100 * 0.965926f, 0}, {400, 428, 0}},
      {9, 45, {400 - 100 * 0.923880f, 300 - 100 * 0.382683f, 0}, {272, 300, 0}},
  };
  for (const Case& c : cases) {
    FixedLocalTime time(c.hour, c.minute, 0);
    KQ_ClockConstructor settings;
    settings.localTime = FixedLocalTime::Read;
    std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
    auto& clock = static_cast<KQ_3DObjArray&>(*item);
    clock.Update(0.5f);
    ASSERT_EQ(1u, clock.Instances().size());
    const KQ_Frame& face = *clock.Instances().front();
    ASSERT_EQ(2u, face.children.size());
    ExpectNear({400, 300, 0}, Through(face.world, {0, 0, 0}), 1e-3f, "face centre");
    ExpectNear({600, 100, 0}, Through(face.world, {50, 0, 50}), 1e-3f, "face's top right corner");
    ExpectNear(c.hourTip, Through(face.children[0]->world, {0, 0, 50}), 1e-2f, "hour tip");
    ExpectNear(c.minuteTip, Through(face.children[1]->world, {0, 0, 50}), 1e-2f, "minute tip");
  }
}

TEST(ClockTest, TheFaceIsDrawnAtTheRootAndTheHandsAtItsChildren) {
  PictureSize picture(800, 600);
  KQ_ClockConstructor settings;
  std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
  auto& clock = static_cast<KQ_3DObjArray&>(*item);
  ASSERT_EQ(2u, clock.Parts().size());
  const KQ_Frame* face = clock.Instances().front();
  EXPECT_EQ(std::vector<const KQ_Frame*>({face}),
            std::vector<const KQ_Frame*>(clock.Parts()[0].frames.begin(), clock.Parts()[0].frames.end()));
  EXPECT_EQ(face->children, clock.Parts()[1].frames);
  // Both parts are blended; without a resource manager they have no mesh and draw nothing.
  for (const MeshPart& part : clock.Parts()) {
    EXPECT_EQ(1, part.flag);
    EXPECT_EQ(0u, part.vertexCount);
    EXPECT_EQ(nullptr, part.vertexBuffer);
    EXPECT_EQ(nullptr, part.texture);
  }
}

TEST(ClockTest, ItsSectionIsReadFieldByFieldAndWrittenBackTheSame) {
  KQ_IOF_W w;
  WriteSectionHeader(w, L"KQ_ClockConstructor", 1);
  for (int value : {10, 410, 20, 420, 210, 220}) w.WriteInt(value);
  w.WriteString(L"hands.png");
  w.WriteInt64(9);
  ObjectFields object;
  object.size = 400;
  WriteObjectSection(w, object);

  std::unique_ptr<KQ_ClockConstructor> clock =
      item_testing::ReadRecord<KQ_ClockConstructor>(w.Bytes());
  ASSERT_TRUE(clock);
  const MediaRectangle& r = clock->clockRectangle;
  EXPECT_EQ(10, r.left.Get());
  EXPECT_EQ(410, r.right.Get());
  EXPECT_EQ(20, r.top.Get());
  EXPECT_EQ(420, r.bottom.Get());
  EXPECT_EQ(210, r.first_extra.Get());
  EXPECT_EQ(220, r.second_extra.Get());
  EXPECT_EQ((FileLinkKey{L"hands.png", 9}), clock->handsImage.Key());
  EXPECT_EQ(3u, clock->objectCount.Get());
  EXPECT_EQ(400u, clock->objectSize.Get());
  EXPECT_EQ((FileLinkKey{L"wing.png", 17}), clock->imageLink.Key());
  EXPECT_EQ((FileLinkKey{L"tessaly.dll", 69}), clock->meshLink.Key());
  EXPECT_EQ(75u, clock->speed.Get());
  EXPECT_EQ(L"reeds", clock->objectName);
  EXPECT_EQ(w.Bytes(), item_testing::Written(*clock));
}

}  // namespace
