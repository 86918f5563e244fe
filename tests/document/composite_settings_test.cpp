// Composite settings: the rectangle and its point test, the quad, and the direction's vectors.
#include <gtest/gtest.h>

#include <cstring>
#include <new>

#include "document/media_direction.h"
#include "document/media_quad.h"
#include "document/media_rectangle.h"
#include "render/picture_layout.h"
#include "tests/document/recording_control.h"

namespace {

using document_testing::RecordingControl;

MediaRectangle Rectangle(int left, int right, int top, int bottom) {
  MediaRectangle r;
  r.left = left;
  r.right = right;
  r.top = top;
  r.bottom = bottom;
  return r;
}

// Hit tests go through the current view frame; each test maps it and puts it back after.
class MediaRectangleHitTest : public ::testing::Test {
protected:
  void SetUp() override { saved_ = CurrentViewFrame(); }
  void TearDown() override { CurrentViewFrame() = saved_; }

  // A target of w x h units on a back buffer of bw x bh pixels, showing a picture of
  // pw x ph pixels over the whole back buffer.
  static void Map(int w, int h, int pw, int ph, float bw, float bh) {
    CurrentViewFrame().Map(ScreenQuad::Rectangle(0, 0, bw, bh), w, h, pw, ph, bw, bh);
  }

private:
  ViewFrame saved_;
};

TEST_F(MediaRectangleHitTest, PointsUpToAndOnTheEdgesAreInside) {
  Map(100, 100, 100, 100, 100, 100);  // target units are picture pixels
  const struct {
    const char* what;
    MediaRectangle rectangle;
    float x, y;
    bool inside;
  } cases[] = {
      {"centre", Rectangle(10, 20, 30, 40), 15, 35, true},
      {"top-left corner", Rectangle(10, 20, 30, 40), 10, 30, true},
      {"on the right edge", Rectangle(10, 20, 30, 40), 20, 35, true},
      {"on the bottom edge", Rectangle(10, 20, 30, 40), 15, 40, true},
      {"just right of it", Rectangle(10, 20, 30, 40), 20.001f, 35, false},
      {"just below it", Rectangle(10, 20, 30, 40), 15, 40.001f, false},
      {"just left of it", Rectangle(10, 20, 30, 40), 9.999f, 35, false},
      {"left > right holds nothing", Rectangle(20, 10, 30, 40), 15, 35, false},
      {"top > bottom holds nothing", Rectangle(10, 20, 40, 30), 15, 35, false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.inside, c.rectangle.HitTest(c.x, c.y)) << c.what;
}

TEST_F(MediaRectangleHitTest, PointsAreMappedIntoPicturePixels) {
  // 400 x 300 units on 800 x 600 pixels (scale 2) showing a 200 x 150 picture: a unit is
  // half a picture pixel.
  Map(400, 300, 200, 150, 800, 600);
  const MediaRectangle rectangle = Rectangle(10, 20, 30, 40);
  EXPECT_TRUE(rectangle.HitTest(40, 80)) << "(20, 40): the bottom-right corner";
  EXPECT_TRUE(rectangle.HitTest(20, 60)) << "(10, 30): the top-left corner";
  EXPECT_FALSE(rectangle.HitTest(40.01f, 80)) << "just right of it";
  EXPECT_FALSE(rectangle.HitTest(30, 58)) << "just above it";
}

TEST(MediaRectangle, StartsAtZeroAndEachValueHasItsOwnControls) {
  MediaRectangle rectangle;
  const std::initializer_list<const MediaParamTB<int>*> values = {
      &rectangle.left,   &rectangle.right,       &rectangle.top,
      &rectangle.bottom, &rectangle.first_extra, &rectangle.second_extra};
  for (const MediaParamTB<int>* value : values) EXPECT_EQ(0, value->Get());

  std::vector<std::string> log;
  RecordingControl on_rectangle(log, "rectangle"), on_left(log, "left");
  on_rectangle.Watch(rectangle);
  on_left.Watch(rectangle.left);
  rectangle.left.Set(5);
  rectangle.top.Set(5);
  EXPECT_EQ(std::vector<std::string>{"left"}, log);

  const MediaRectangle copy(rectangle);
  EXPECT_EQ(5, copy.left.Get());
  EXPECT_EQ(5, copy.top.Get());
  EXPECT_TRUE(copy.Controls().empty());
  EXPECT_EQ(1u, copy.left.Controls().size()) << "only its own undo control";
}

// Made on memory full of garbage: the corners are zeroed, not left as they were.
TEST(MediaQuad, CornersStartAtTheOrigin) {
  alignas(MediaQuad) unsigned char storage[sizeof(MediaQuad)];
  std::memset(storage, 0xCD, sizeof storage);
  const MediaQuad* quad = new (storage) MediaQuad;
  for (const auto& corner : quad->corners) EXPECT_TRUE(corner.Get() == D3DXVECTOR3(0, 0, 0));
  quad->~MediaQuad();
}

TEST(MediaDirection, VectorsPointAlongAndAcrossTheAngle) {
  const struct {
    unsigned int degrees;
    D3DXVECTOR4 direction, normal;
  } cases[] = {
      {0, {1, 0, 0, 0}, {0, 1, 0, 0}},
      {90, {0, 1, 0, 0}, {-1, 0, 0, 0}},
      {180, {-1, 0, 0, 0}, {0, -1, 0, 0}},
      {270, {0, -1, 0, 0}, {1, 0, 0, 0}},
      {405, {0.70710677f, 0.70710677f, 0, 0}, {-0.70710677f, 0.70710677f, 0, 0}},
  };
  for (const auto& c : cases) {
    const MediaDirection angle(c.degrees);
    for (int i = 0; i < 4; ++i) {
      EXPECT_NEAR(c.direction[i], angle.Direction()[i], 1e-6) << c.degrees << " component " << i;
      EXPECT_NEAR(c.normal[i], angle.Normal()[i], 1e-6) << c.degrees << " component " << i;
    }
  }
}

TEST(MediaDirection, SetLeavesTheVectorsCopiesRecomputeThem) {
  MediaDirection angle(0);
  angle.Set(90);
  EXPECT_EQ(1.0f, angle.Direction().x) << "Set does not recompute";
  const MediaDirection copy(angle);
  EXPECT_NEAR(1.0f, copy.Direction().y, 1e-6);
  MediaDirection assigned;
  assigned = angle;
  EXPECT_NEAR(1.0f, assigned.Direction().y, 1e-6);
  angle.UpdateVectors();
  EXPECT_NEAR(-1.0f, angle.Normal().x, 1e-6);
}

}  // namespace
