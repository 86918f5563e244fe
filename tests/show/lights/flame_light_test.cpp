// The flame light without a device: its section at every version, the fire's quad and the heat
// distortion's parameters.
#include <gtest/gtest.h>

#include "show/lights/flame_quad.h"
#include "show/lights/kq_flame_light.h"
#include "tests/show/lights/read_light.h"
#include "tests/support/fake_device_objects.h"
#include "tests/support/recording_effect.h"

namespace {

using lights_testing::ReadLight;
using testing_support::Written;

TEST(FlameSection, Version2RoundTripsTheLightTheDistortionAndTheFire) {
  KQ_FlameLight flame;
  flame.fireOn = 0;
  flame.distortionOn = 1;
  flame.fireOffset = 40;
  flame.distortion.bumpLink.Store({L"haze.png", 3});
  flame.distortion.effectLink.Store({L"haze.fxo", 4});
  flame.distortion.speed.Set(100);
  flame.distortion.strength.Set(50);
  flame.distortion.bumpScale.Set(0);
  flame.fire.brightness.Set(40);
  flame.fire.patternImage.Store({L"flames.png", 5});
  flame.pictureLink.Store({L"hearth.jpg", 6});
  const std::vector<uint8_t> bytes = Written([&](KQ_IOF_Virtual& out) { flame.Write(out); });

  const std::unique_ptr<KQ_FlameLight> read = ReadLight<KQ_FlameLight>(bytes);
  ASSERT_NE(nullptr, read);
  EXPECT_EQ(0, read->fireOn.Get());
  EXPECT_EQ(40u, read->fireOffset.Get());
  EXPECT_TRUE((FileLinkKey{L"haze.png", 3}) == read->distortion.bumpLink.Key());
  EXPECT_TRUE((FileLinkKey{L"haze.fxo", 4}) == read->distortion.effectLink.Key());
  EXPECT_FLOAT_EQ(0.1f, read->distortion.speed.Result());
  EXPECT_FLOAT_EQ(0.1f, read->distortion.strength.Result());
  EXPECT_FLOAT_EQ(1.0f, read->distortion.bumpScale.Result());
  EXPECT_FLOAT_EQ(0.8f, read->fire.brightness.Result());
  EXPECT_TRUE((FileLinkKey{L"flames.png", 5}) == read->fire.patternImage.Key());
  EXPECT_TRUE((FileLinkKey{L"hearth.jpg", 6}) == read->pictureLink.Key());
  EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { read->Write(out); }));
}

TEST(FlameSection, Version1SetsTheFiresSpeedAndDropsTwoOldLinks) {
  const std::vector<uint8_t> bytes = Written([](KQ_IOF_Virtual& out) {
    WriteSectionHeader(out, L"KQ_FlameLight", 1);
    WriteSettings(out, 1, 0, 7u);
    out.WriteUInt(100);  // the fire's speed
    KQ_FlameLight defaults;
    WriteSettings(out, defaults.distortion.bumpLink, defaults.distortion.effectLink, 60u, 30u,
                  88u);
    WriteSettings(out, KQ_FileLink3(1, L"old.dll"), KQ_FileLink3(2, L"old.dll"));
    KQ_2D_Light().Write(out);
  });
  const std::unique_ptr<KQ_FlameLight> read = ReadLight<KQ_FlameLight>(bytes);
  ASSERT_NE(nullptr, read);
  EXPECT_EQ(0, read->distortionOn.Get());
  EXPECT_EQ(7u, read->fireOffset.Get());
  EXPECT_FLOAT_EQ(2.0f, read->fire.speed.Result());
  EXPECT_FLOAT_EQ(0.06f, read->distortion.speed.Result());
  EXPECT_FLOAT_EQ(0.06f, read->distortion.strength.Result());
  EXPECT_TRUE((FileLinkKey{L"tessaly.dll", 7}) == read->fire.patternImage.Key());
  EXPECT_TRUE((FileLinkKey{L"tessaly.dll", 8}) == read->fire.noiseImage.Key());
}

TEST(FlameQuad, CoversTheLowerPartOfThePictureMovedDownByTheOffset) {
  struct Case {
    unsigned offset;
    float top, bottom;  // of a 1000-pixel-high picture
  } cases[] = {{0, 350, 1000}, {100, 850, 1500}, {20, 450, 1100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.offset);
    DX_V::PT corners[4];
    FlameQuadCorners(800, 1000, c.offset, corners);
    const float expected[4][4] = {{0, c.top, 0, 0},
                                  {800, c.top, 1, 0},
                                  {0, c.bottom, 0, 0.95f},
                                  {800, c.bottom, 1, 0.95f}};
    for (int i = 0; i < 4; ++i) {
      EXPECT_FLOAT_EQ(expected[i][0], corners[i].x) << i;
      EXPECT_FLOAT_EQ(expected[i][1], corners[i].y) << i;
      EXPECT_FLOAT_EQ(expected[i][2], corners[i].u) << i;
      EXPECT_FLOAT_EQ(expected[i][3], corners[i].v) << i;
    }
  }
}

TEST(BumpDistortion, ParametersFollowTheClockTheStrengthAndThePictureShape) {
  BumpDistortionPass pass;
  pass.SetSize(800, 600);
  // With the default speed the clock runs 0.05 per second of show time: 2.0 after 40 s.
  for (float t = 0.2f; t < 40.05f; t += 0.2f) pass.speed.Advance(t);
  ASSERT_NEAR(2.0f, pass.speed.LocalTime(), 1e-3);
  fx_testing::RecordingEffect effect;
  pass.SetParameters(effect);
  EXPECT_FLOAT_EQ(0.05f * 0.05f, effect.Values("stenght").at(0));
  const std::vector<float> offset = effect.Values("Offset");
  ASSERT_EQ(2u, offset.size());
  EXPECT_NEAR(2.0f, offset[0], 1e-3);
  EXPECT_FLOAT_EQ(-offset[0], offset[1]);
  const std::vector<float> scale = effect.Values("bump_scale");
  ASSERT_EQ(2u, scale.size());
  EXPECT_FLOAT_EQ(0.208f, scale[0]);
  EXPECT_FLOAT_EQ(0.75f * 0.208f, scale[1]);
}

TEST(BumpDistortion, DrawsTheSceneThroughItsTechniqueOnItsQuad) {
  BumpDistortionPass pass;
  fx_testing::RecordingEffect effect;
  fx_testing::TestLight light;
  IDirect3DTexture9* scene = new doc_res_testing::FakeTexture("scene");
  pass.DrawWith(effect, light, scene);
  EXPECT_EQ("BumpmapDistortLow2", effect.Technique());
  EXPECT_EQ(scene, effect.Texture("SceneTex"));
  EXPECT_EQ(1, effect.Draws());
  EXPECT_EQ(&pass.Quad(), effect.calls.back().mesh);
  scene->Release();
}

}  // namespace
