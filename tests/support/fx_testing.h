// Helpers shared by the full-screen effect tests: the clock put at a chosen time, fake frame
// lists, and value comparisons with a tolerance.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/texture_list.h"
#include "items/fullscreen/kq_fx_constructor.h"
#include "tests/support/fake_device_objects.h"

namespace fx_testing {

using doc_res_testing::FakeTexture;
using doc_res_testing::References;

// Moves the effect's clock to `localTime` in the steps a slide would take (at most 0.2 s of
// application time each).
void RunClockTo(KQ_FX_Constructor& fx, float localTime);

// `count` fake frames of width x height (a reference each) with `times`.
TextureList FakeFrames(int count, int width, int height, std::vector<float> times = {});

// Each value within `tolerance` (relative to values above 1) of the expected one.
::testing::AssertionResult ValuesNear(const std::vector<float>& actual,
                                      const std::vector<float>& expected,
                                      float tolerance = 1e-4f);

}  // namespace fx_testing
