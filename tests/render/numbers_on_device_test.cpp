// Creating a Direct3D device without FPU_PRESERVE drops the x87 unit to single precision. The
// noise and the rounding must give the same results before and after, or the effects would
// change once the first device exists.
#include "tests/support/scene_device_test.h"

#include "render/noise.h"
#include "render/round_to_int.h"

namespace {

using scene_testing::SceneDeviceTest;

using NumbersOnDeviceTest = SceneDeviceTest;

TEST_F(NumbersOnDeviceTest, NoiseAndRoundingKeepTheirPrecisionOnceADeviceExists) {
  EXPECT_EQ(-0.25408201693519517, ValueNoise1D(0.5));
  EXPECT_EQ(-0.17651975630931982, ValueNoise1D(2.75));
  EXPECT_NEAR(-0.26270843465254523, FractalNoise1D(10.7, 4.0, 0.65, 5), 1e-15);
  EXPECT_EQ(2, RoundToInt(2.5f));
}

}  // namespace
