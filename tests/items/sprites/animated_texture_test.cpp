// The frame clock of animated sprite images.
#include "items/sprites/animated_texture.h"

#include <gtest/gtest.h>

namespace {

struct NoGeometry {};

TEST(AnimatedTexture, EachFrameShowsForAtLeastItsTime) {
  AnimatedTexture<NoGeometry> image;
  image.frames.frameTimes = {0.1f, 0.2f, 0.1f};
  const struct {
    float scaledTime;
    bool advanced;
    uint32_t frame;
  } steps[] = {{0.05f, false, 0}, {0.15f, true, 1}, {0.3f, false, 1},
               {0.45f, true, 2},  {9, true, 0},     {9.05f, false, 0}};
  for (const auto& step : steps) {
    EXPECT_EQ(step.advanced, image.AdvanceFrame(step.scaledTime)) << step.scaledTime;
    EXPECT_EQ(step.frame, image.frameIndex) << step.scaledTime;
  }
}

TEST(AnimatedTexture, ASingleImageNeverAdvances) {
  AnimatedTexture<NoGeometry> image;
  EXPECT_FALSE(image.AdvanceFrame(100));
  EXPECT_EQ(0u, image.frameIndex);
  EXPECT_EQ(nullptr, image.CurrentFrameTexture()) << "no frames, no texture";
}

}  // namespace
