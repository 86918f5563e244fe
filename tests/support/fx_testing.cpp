#include "tests/support/fx_testing.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace fx_testing {

void RunClockTo(KQ_FX_Constructor& fx, float localTime) {
  const float factor = fx.speed.Result();
  ASSERT_GT(factor, 0.0f) << "a clock at speed 0 never moves";
  float now = fx.speed.LastTime();
  for (int step = 0; step < 10000 && localTime - fx.LocalTime() > 1e-6f; ++step) {
    now += std::min((localTime - fx.LocalTime()) / factor, 0.2f);
    fx.Update(now);
  }
}

TextureList FakeFrames(int count, int width, int height, std::vector<float> times) {
  TextureList list;
  for (int i = 0; i < count; ++i) {
    list.frames.emplace_back(new FakeTexture("frame " + std::to_string(i)));
  }
  list.frameTimes = std::move(times);
  list.width = width;
  list.height = height;
  list.aspect = width ? static_cast<float>(height) / static_cast<float>(width) : 1.0f;
  return list;
}

::testing::AssertionResult ValuesNear(const std::vector<float>& actual,
                                      const std::vector<float>& expected, float tolerance) {
  std::ostringstream text;
  bool close = actual.size() == expected.size();
  for (size_t i = 0; close && i < actual.size(); ++i) {
    const float allowed = tolerance * std::max(1.0f, std::fabs(expected[i]));
    close = std::fabs(actual[i] - expected[i]) <= allowed;
  }
  if (close) return ::testing::AssertionSuccess();
  text << "got {";
  for (float v : actual) text << " " << v;
  text << " }, expected {";
  for (float v : expected) text << " " << v;
  text << " }";
  return ::testing::AssertionFailure() << text.str();
}

}  // namespace fx_testing
