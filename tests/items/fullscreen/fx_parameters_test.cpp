// The values every full-screen effect sends to its HLSL effect, recorded without a device: each
// case arranges one effect (settings, clock, picture size), applies it through a recording
// effect and compares one parameter.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "items/fullscreen/kq_background_copy.h"
#include "items/fullscreen/kq_fire_fx.h"
#include "items/fullscreen/kq_light_fx.h"
#include "items/fullscreen/kq_move_fx.h"
#include "items/fullscreen/kq_pattern_brush.h"
#include "items/fullscreen/kq_underwater_fx.h"
#include "items/fullscreen/kq_water_fx.h"
#include "items/fullscreen/kq_waves_fx.h"
#include "render/noise.h"
#include "render/picture_layout.h"
#include "tests/support/fx_testing.h"
#include "tests/support/recording_effect.h"

namespace fx_testing {
namespace {

constexpr float Pi = 3.14159265f;

template <class Fx>
struct ParameterCase {
  const char* what;
  std::function<void(Fx&)> arrange;
  const char* parameter;
  std::vector<float> expected;
  UINT pictureWidth = 1024;
  UINT pictureHeight = 768;
};

template <class Fx>
void ExpectParameters(const std::vector<ParameterCase<Fx>>& cases) {
  for (const ParameterCase<Fx>& c : cases) {
    SCOPED_TRACE(c.what);
    Fx fx;
    if (c.arrange) c.arrange(fx);
    TestLight light(c.pictureWidth, c.pictureHeight);
    RecordingEffect effect;
    fx.ApplyEffectWith(effect, light);
    EXPECT_TRUE(ValuesNear(effect.Values(c.parameter), c.expected)) << c.parameter;
  }
}

// A 256 x 256 pattern of one frame.
void WithSquarePattern(KQ_PatternBrush& brush) { brush.SetPatternFrames(FakeFrames(1, 256, 256)); }

TEST(FullScreenBase, ScaleIsThePictureAspectOverTheScaleDivisor) {
  ExpectParameters<KQ_BackgroundCopy>({
      {"value 50: k = 1", nullptr, "Scale", {1.333333f, 1.0f}},
      {"value 100: k = 2", [](auto& fx) { fx.scale.Set(100); }, "Scale", {0.666667f, 0.5f}},
      {"value 0 divides by the smallest step instead of by zero",
       [](auto& fx) { fx.scale.Set(0); }, "Scale", {66.66667f, 50.0f}},
      {"a picture without a size counts as 1 x 1", nullptr, "Scale", {1.0f, 1.0f}, 0, 0},
  });
}

TEST(FullScreenBase, TechniqueAndSceneCaptureFollowTheAsEffectSwitch) {
  struct Case {
    int asEffect;
    const char* technique;
    int needsSceneCapture;
  } cases[] = {{0, "Main", 0}, {1, "MainFX", 1}, {2, "MainFX", 1}, {-3, "MainFX", 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.asEffect);
    KQ_LightFX fx;
    fx.asEffect = c.asEffect;
    TestLight light;
    RecordingEffect effect;
    fx.ApplyEffectWith(effect, light);
    EXPECT_EQ(c.technique, effect.Technique());
    // The slide adds these up to count its captures: a stored 2 is still one capture.
    EXPECT_EQ(c.needsSceneCapture, fx.NeedsSceneCapture());
    EXPECT_EQ(c.asEffect, fx.asEffect.Get()) << "the stored value is kept";
  }
}

TEST(FullScreenBase, BindsTheSceneAndNoMaskThenDrawsThePictureQuad) {
  FakeTexture* scene = new FakeTexture("scene");
  KQ_WavesFX fx;
  TestLight light;
  light.sceneTexture = scene;
  RecordingEffect effect;
  fx.ApplyEffectWith(effect, light);
  EXPECT_EQ(scene, effect.Texture("Background"));
  EXPECT_EQ(nullptr, effect.Texture("Mask")) << "the document has no mask under a fresh GUID";
  ASSERT_EQ(1, effect.Draws());
  EXPECT_EQ(EffectCall::DrawQuad, effect.calls.back().kind);
  EXPECT_EQ(&light.GetPictureQuad(), effect.calls.back().mesh);
  scene->Release();
}

TEST(PatternBrush, TilesByPictureOverPatternSizeRotatedMirroredAndShifted) {
  ExpectParameters<KQ_PatternBrush>({
      {"4 tiles across and 3 down", WithSquarePattern, "coord_transf", {4, 0, 0, 3}},
      {"pattern scale 200 halves the count",
       [](auto& fx) { WithSquarePattern(fx), fx.patternScale.Set(200); }, "coord_transf",
       {2, 0, 0, 1.5f}},
      {"pattern scale 0 tiles at the smallest step instead of infinitely often",
       [](auto& fx) { WithSquarePattern(fx), fx.patternScale.Set(0); }, "coord_transf",
       {400, 0, 0, 300}},
      {"a quarter turn", [](auto& fx) { WithSquarePattern(fx), fx.rotation.Set(90); },
       "coord_transf", {0, 4, -3, 0}},
      {"both flips negate both counts",
       [](auto& fx) { WithSquarePattern(fx), fx.flipHorizontal = 1, fx.flipVertical = 1; },
       "coord_transf", {-4, 0, 0, -3}},
      {"a square pattern's aspect", WithSquarePattern, "scale", {1, 1}},
      {"a wide pattern's aspect", [](auto& fx) { fx.SetPatternFrames(FakeFrames(1, 512, 256)); },
       "scale", {2, 1}},
      {"offset x goes left, offset y down",
       [](auto& fx) { WithSquarePattern(fx), fx.offsetX.Set(10), fx.offsetY.Set(10); },
       "offset", {-0.1f, 0.1f}},
  });
}

TEST(PatternBrush, WithoutAnImageSetsAndDrawsNothing) {
  KQ_PatternBrush brush;
  TestLight light;
  RecordingEffect effect;
  brush.ApplyEffectWith(effect, light);
  EXPECT_TRUE(effect.calls.empty());
}

// The index of the frame bound as "Pattern" after each of `updates` updates, 0.125 s of
// application time apart.
std::vector<int> BoundFrames(KQ_PatternBrush& brush, int updates) {
  const TextureList& list = brush.PatternFrames();
  std::vector<int> bound;
  for (int k = 1; k <= updates; ++k) {
    brush.Update(0.125f * k);
    TestLight light;
    RecordingEffect effect;
    brush.ApplyEffectWith(effect, light);
    IDirect3DBaseTexture9* pattern = effect.Texture("Pattern");
    int index = -1;
    for (size_t i = 0; i < list.frames.size(); ++i) {
      if (list.frames[i].Get() == pattern) index = static_cast<int>(i);
    }
    bound.push_back(index);
  }
  return bound;
}

TEST(PatternBrush, StepsThroughAnimatedFramesAtTheirFrameTimes) {
  struct Case {
    const char* what;
    int frames;
    std::vector<float> frameTimes;
    std::vector<int> bound;  // after updates 1, 2, ... at 0.125 s steps
  } cases[] = {
      // A frame is left at the first update after more than its time has passed.
      {"times 0.5, 0.5, 1.0", 3, {0.5f, 0.5f, 1.0f},
       {0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 0}},
      {"a still image keeps its frame", 1, {}, {0, 0, 0, 0}},
      {"a frame of time 0 lasts one update", 2, {0, 0}, {1, 0, 1, 0}},
      // More frame times than frames: the index wraps at the frames.
      {"three times, two frames", 2, {0.1f, 0.1f, 0.1f}, {1, 0, 0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    KQ_PatternBrush brush;
    brush.SetPatternFrames(FakeFrames(c.frames, 64, 64, c.frameTimes));
    EXPECT_EQ(c.bound, BoundFrames(brush, static_cast<int>(c.bound.size())));
  }
}

TEST(PatternBrush, FramesRunOnTheEffectClock) {
  KQ_PatternBrush brush;
  brush.speed.Set(100);  // twice real time
  EXPECT_FLOAT_EQ(2.0f, brush.speed.Result());
  brush.SetPatternFrames(FakeFrames(2, 64, 64, {0.5f, 0.5f}));
  EXPECT_EQ((std::vector<int>{0, 0, 1}), BoundFrames(brush, 3));
}

TEST(BackgroundCopy, OffsetIsTheShiftOverThePictureSizePlusWholeUnits) {
  ExpectParameters<KQ_BackgroundCopy>({
      {"both unit flags, no shift",
       [](auto& fx) { fx.unitShiftX = 1, fx.unitShiftY = 1; }, "offset", {1, 1}},
      {"half the picture right, half up",
       [](auto& fx) { fx.copyRect.first_extra = 512, fx.copyRect.second_extra = -384; },
       "offset", {0.5f, -0.5f}},
      {"the y flag alone", [](auto& fx) { fx.copyRect.first_extra = 256, fx.unitShiftY = 1; },
       "offset", {0.25f, 1}},
  });
}

TEST(BackgroundCopy, ItsClockStandsStill) {
  KQ_BackgroundCopy copy;
  for (float t : {0.1f, 0.2f, 5.0f}) copy.Update(t);
  EXPECT_EQ(0.0f, copy.LocalTime());
}

TEST(LightFX, MultiplierIsTheStrengthTimesTheWave) {
  const auto at = [](int waveform, float localTime) {
    return [=](KQ_LightFX& fx) {
      fx.waveform = waveform;
      if (localTime > 0) RunClockTo(fx, localTime);
    };
  };
  const float sineAt5 = (std::sin(1.0f) + 1) * 0.5f;
  const float noiseAt3 = static_cast<float>((FractalNoise1D(30.0, 75.0, 0.5, 2) + 1.0) * 0.5);
  ExpectParameters<KQ_LightFX>({
      {"sine at 0: half", at(KQ_LightFX::Sine, 0), "multiplier", {0.2f}},
      {"sine at 5", at(KQ_LightFX::Sine, 5), "multiplier", {0.4f * sineAt5}},
      {"square at 0: the sine is not above 0", at(KQ_LightFX::Square, 0), "multiplier", {0}},
      {"square while the sine is positive", at(KQ_LightFX::Square, 5), "multiplier", {0.4f}},
      {"square while the sine is negative", at(KQ_LightFX::Square, 20), "multiplier", {0}},
      {"noise", at(KQ_LightFX::Noise, 3), "multiplier", {0.4f * noiseAt3}},
      {"waveform 7 is noise too", at(7, 3), "multiplier", {0.4f * noiseAt3}},
      {"strength 100",
       [](auto& fx) { fx.strength.Set(100); }, "multiplier", {0.5f}},
  });
}

// The multiplier sampled every 5 ms of show time: it rises through its middle (0.2) once a
// period, 2 pi / (0.2 x 40) = 0.785 s at the default speed.
TEST(LightFX, SinePeriodIsAboutEightTenthsOfASecondAtTheDefaultSpeed) {
  KQ_LightFX fx;
  TestLight light;
  std::vector<float> risings;
  float previous = 0.2f;
  for (int step = 1; step <= 600; ++step) {
    const float t = 0.005f * static_cast<float>(step);
    fx.Update(t);
    RecordingEffect effect;
    fx.ApplyEffectWith(effect, light);
    const float multiplier = effect.Values("multiplier").at(0);
    if (previous < 0.2f && multiplier >= 0.2f) risings.push_back(t);
    previous = multiplier;
  }
  ASSERT_EQ(3u, risings.size()) << "in 3 s";
  EXPECT_NEAR(0.785f, risings[1] - risings[0], 0.01f);
  EXPECT_NEAR(0.785f, risings[2] - risings[1], 0.01f);
}

TEST(UnderwaterFX, FrequencyAmplitudeAndTime) {
  ExpectParameters<KQ_UnderwaterFX>({
      {"waves per picture width and height", nullptr, "frequency", {13.20132f, 9.90099f}},
      {"amplitude", nullptr, "amplitude", {0.00625f}},
      {"time at 1 s of the clock", [](auto& fx) { RunClockTo(fx, 1); }, "time", {0.08f}},
      {"two per real second at speed 25", [](auto& fx) { fx.Update(0.2f); }, "time", {0.4f}},
  });
}

TEST(WavesFX, DirectionsTurnByThreeSixtyLessTheAngle) {
  ExpectParameters<KQ_WavesFX>({
      {"angle 0", nullptr, "direction", {-1, 0}},
      {"angle 0 normal", nullptr, "direction_n", {0, 1}},
      {"parallel normal", [](auto& fx) { fx.parallelNormal.Set(1); }, "direction_n", {-1, 0}},
      {"angle 90", [](auto& fx) { fx.angle.Set(90); }, "direction", {0, 1}},
      {"angle 90 normal", [](auto& fx) { fx.angle.Set(90); }, "direction_n", {1, 0}},
      {"angle 450 is 90", [](auto& fx) { fx.angle.Set(450); }, "direction", {0, 1}},
      {"frequency is the reciprocal wavelength", nullptr, "frequency", {38.461538f}},
      {"amplitude", nullptr, "amplitude", {0.0125f}},
      {"time", [](auto& fx) { RunClockTo(fx, 10); }, "time", {0.8f}},
  });
}

TEST(MoveFX, DisplacementSwingsAlongTheDirection) {
  const auto at = [](float localTime, unsigned int angle, int motion) {
    return [=](KQ_MoveFX& fx) {
      fx.angle.Set(angle);
      fx.motion = motion;
      fx.Update(0);
      RunClockTo(fx, localTime);
    };
  };
  const float noise = static_cast<float>(FractalNoise1D(50.0, 75.0, 0.5, 1));
  ExpectParameters<KQ_MoveFX>({
      {"at the top of the sine", at(Pi / 2, 0, 0), "Direction", {0.01f, 0}},
      {"at 0", at(0, 0, 0), "Direction", {0, 0}},
      {"angle 90 moves along (0, -1)", at(Pi / 2, 90, 0), "Direction", {0, -0.01f}},
      {"motion 2 is the sine", at(Pi / 2, 0, 2), "Direction", {0.01f, 0}},
      {"motion 1 is noise", at(1, 0, KQ_MoveFX::NoiseMotion), "Direction", {0.01f * noise, 0}},
  });
}

TEST(WaterFX, DefaultParameters) {
  const auto atStart = [](KQ_WaterFX& fx) { fx.Update(0); };
  ExpectParameters<KQ_WaterFX>({
      {"P1", atStart, "P1", {-0.998f, -1, -0.998f}},
      {"P2", atStart, "P2", {1, 1.032672f, 1}},
      {"Direction1", atStart, "Direction1", {-34.82018f, -29.21764f}},
      {"Direction2", atStart, "Direction2", {-0.00191511f, -0.00160697f}},
      {"Shadows", atStart, "Shadows", {0}},
      {"Vhalf", atStart, "Vhalf", {0.4472136f, 0.8944272f, 0}},
      {"Color", atStart, "Color", {1, 1, 1}},
      {"Scale with k = 0.6", atStart, "Scale", {2.222222f, 1.666667f}},
      {"BampTrans at 0", atStart, "BampTrans", {0.02f, 0, 0, 0.02f}},
  });
}

TEST(WaterFX, ParametersFollowSettingsAndTime) {
  ExpectParameters<KQ_WaterFX>({
      {"a quarter turn of the bump", [](auto& fx) { fx.Update(0), RunClockTo(fx, Pi / 9); },
       "BampTrans", {0, -0.02f, 0.02f, 0}},
      {"Time is twice the clock", [](auto& fx) { RunClockTo(fx, 1.5f); }, "Time", {3}},
      {"angle 90 flows along (0, 1)", [](auto& fx) { fx.angle.Set(90); }, "Direction1",
       {0, -45.45454f}},
      {"a red tint", [](auto& fx) { fx.tint = 0x000000FF; }, "Color", {1, 0, 0}},
      {"shadows", [](auto& fx) { fx.shadows.Set(50); }, "Shadows", {0.5f}},
      {"half vector z", [](auto& fx) { fx.halfVectorZ.Set(20); }, "Vhalf",
       {0.3333333f, 0.6666667f, 0.6666667f}},
  });
}

// "P1" is always (a - 1, -1, a - 1); only a "P2" that would not be finite is replaced.
TEST(WaterFX, ProfileTermsKeepP1AndReplaceOnlyANonFiniteP2) {
  struct Case {
    unsigned int profile;
    std::vector<float> p1, p2;  // p2 empty: only its finiteness is checked
  } cases[] = {
      {0, {-1, -1, -1}, {1, 1, 1}},                   // rho's limit as a goes to 0
      {15000, {0.5f, -1, 0.5f}, {1, -1.366025f, 1}},  // finite as it stands
      {20000, {1, -1, 1}, {1, 0, 1}},
      {30000, {2, -1, 2}, {1, 0, 1}},  // beyond a = 2 rho keeps its value at 2
      {0xFFFFFFFFu, {429495.7296f, -1, 429495.7296f}, {1, 0, 1}},
      {10000, {0, -1, 0}, {}},  // the pole at a = 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.profile);
    KQ_WaterFX water;
    water.profile.Set(c.profile);
    float p1[3], p2[3];
    water.ProfileTerms(p1, p2);
    EXPECT_TRUE(ValuesNear({p1, p1 + 3}, c.p1, 1e-6f));
    for (float v : p2) EXPECT_TRUE(std::isfinite(v));
    if (!c.p2.empty()) {
      EXPECT_TRUE(ValuesNear({p2, p2 + 3}, c.p2));
    }
  }
}

TEST(WaterFX, BindsItsBumpTextureEvenWhenThereIsNone) {
  KQ_WaterFX water;
  TestLight light;
  RecordingEffect effect;
  water.ApplyEffectWith(effect, light);
  EXPECT_EQ(nullptr, effect.Texture("BumpMap"));
  EXPECT_EQ(1, effect.Draws());
}

// Restores the current picture view's fields a fire case changes.
class FireFX : public ::testing::Test {
protected:
  void SetUp() override {
    savedPosition_ = CurrentPictureView().position;
    savedX_ = CurrentPictureView().targetPerFittedX;
    savedY_ = CurrentPictureView().targetPerFittedY;
  }
  void TearDown() override {
    CurrentPictureView().position = savedPosition_;
    CurrentPictureView().targetPerFittedX = savedX_;
    CurrentPictureView().targetPerFittedY = savedY_;
  }

private:
  int savedPosition_;
  float savedX_, savedY_;
};

TEST_F(FireFX, ColoursDensityBrightnessAndNoiseOffsets) {
  ExpectParameters<KQ_FireFX>({
      {"start colour red", nullptr, "ColorK1", {1, 0, 0}},
      {"towards yellow", nullptr, "ColorK2", {0, 1, 0}},
      {"a darker end gives a negative change",
       [](auto& fx) { fx.startColor = 0x0000FFFF, fx.endColor = 0x000000FF; }, "ColorK2",
       {0, -1, 0}},
      {"density 100 is 0", nullptr, "Density", {0}},
      {"density 150", [](auto& fx) { fx.density.Set(150); }, "Density", {0.5f}},
      {"brightness", nullptr, "Brightness", {0.3f}},
      {"c11 at 2 s", [](auto& fx) { RunClockTo(fx, 2); }, "c11", {0, 2.6f}},
      {"c12 at 2 s", [](auto& fx) { RunClockTo(fx, 2); }, "c12", {0, 4.2f}},
      {"c13 at 2 s", [](auto& fx) { RunClockTo(fx, 2); }, "c13", {0, 4.6f}},
  });
}

TEST_F(FireFX, BackgroundScaleIsOneWhileACaptureTargetIsDrawn) {
  CurrentPictureView().targetPerFittedX = 1.25f;
  CurrentPictureView().targetPerFittedY = 0.8f;
  CurrentPictureView().position = PositionFit;
  ExpectParameters<KQ_FireFX>({{"on screen", nullptr, "bg_scale_factor", {1.25f, 0.8f}}});
  CurrentPictureView().position = PositionCaptureStretch;
  ExpectParameters<KQ_FireFX>({{"into a capture", nullptr, "bg_scale_factor", {1, 1}}});
}

TEST_F(FireFX, AlwaysMainAndDrawnOnItsGridPlacedByTheEffect) {
  KQ_FireFX fire;
  fire.asEffect = 1;
  TestLight light;
  RecordingEffect effect;
  fire.ApplyEffectWith(effect, light);
  EXPECT_EQ("Main", effect.Technique());
  EXPECT_EQ(1, fire.NeedsSceneCapture()) << "the background is still the captured scene";
  ASSERT_EQ(1, effect.Draws());
  EXPECT_EQ(EffectCall::DrawIndexed, effect.calls.back().kind);
  EXPECT_EQ(&fire.Grid(), effect.calls.back().mesh);
  EXPECT_EQ(nullptr, effect.Last("Scale")) << "the fire has no \"Scale\"";
  D3DXMATRIX expected;
  CurrentPictureView().GetWorldViewProj(&expected, fire.Grid().frame.world);
  EXPECT_TRUE(ValuesNear(effect.Values("WorldViewProj"),
                         std::vector<float>(&expected._11, &expected._11 + 16)));
}

TEST_F(FireFX, NoiseParametersPlaceTheMeshTheyAreGiven) {
  // The flame light hands in its own quad's frame.
  KQ_FireFX fire;
  KQ_Frame quadFrame;
  D3DXMatrixTranslation(&quadFrame.world, 10, 20, 0);
  RecordingEffect effect;
  fire.SetNoiseParameters(effect, quadFrame);
  D3DXMATRIX expected, viewProj;
  CurrentPictureView().GetWorldViewProj(&expected, quadFrame.world);
  CurrentPictureView().GetViewProj(&viewProj);
  EXPECT_TRUE(ValuesNear(effect.Values("WorldViewProj"),
                         std::vector<float>(&expected._11, &expected._11 + 16)));
  EXPECT_TRUE(ValuesNear(effect.Values("ViewProj"),
                         std::vector<float>(&viewProj._11, &viewProj._11 + 16)));
  EXPECT_EQ(0, effect.Draws());
}

TEST_F(FireFX, GridQuadSpansTheCornersWithThePatternRepeatedOneOverSizeTimes) {
  struct Case {
    unsigned int patternSize;
    float uEnd;
  } cases[] = {{100, 1}, {50, 2}, {0, 100}};  // 0: the smallest step, not infinity
  for (const Case& c : cases) {
    SCOPED_TRACE(c.patternSize);
    KQ_FireFX fire;
    fire.patternSize.Set(c.patternSize);
    const D3DXVECTOR3 corners[4] = {{10, 100, 0}, {10, 200, 0}, {300, 100, 0}, {300, 200, 0}};
    for (int i = 0; i < 4; ++i) fire.corners.corners[i] = corners[i];
    const ScreenQuad quad = fire.FireQuad();
    const float uv[4][2] = {{0, 0}, {0, 1}, {c.uEnd, 0}, {c.uEnd, 1}};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(corners[i].x, quad.vertices[i].x);
      EXPECT_EQ(corners[i].y, quad.vertices[i].y);
      EXPECT_FLOAT_EQ(uv[i][0], quad.vertices[i].u) << i;
      EXPECT_FLOAT_EQ(uv[i][1], quad.vertices[i].v) << i;
    }
  }
}

// Effects are shared by every item that links the same file: each draw must be preceded by all
// of the item's own parameters and its technique.
TEST(FullScreenEffects, EveryParameterAndTheTechniqueAreSetBeforeEachDraw) {
  const std::vector<std::string> base = {"Scale", "Mask", "Background"};
  const auto with = [&](std::vector<std::string> own) {
    own.insert(own.end(), base.begin(), base.end());
    return own;
  };
  struct Case {
    const char* what;
    std::function<std::unique_ptr<KQ_FX_Constructor>()> make;
    std::vector<std::string> parameters;
  } cases[] = {
      {"pattern brush",
       [] {
         auto brush = std::make_unique<KQ_PatternBrush>();
         WithSquarePattern(*brush);
         return brush;
       },
       with({"Pattern", "scale", "offset", "coord_transf"})},
      {"background copy", [] { return std::make_unique<KQ_BackgroundCopy>(); }, with({"offset"})},
      {"light", [] { return std::make_unique<KQ_LightFX>(); }, with({"multiplier"})},
      {"underwater", [] { return std::make_unique<KQ_UnderwaterFX>(); },
       with({"frequency", "amplitude", "time"})},
      {"waves", [] { return std::make_unique<KQ_WavesFX>(); },
       with({"direction", "direction_n", "frequency", "amplitude", "time"})},
      {"move", [] { return std::make_unique<KQ_MoveFX>(); }, with({"Direction"})},
      {"water", [] { return std::make_unique<KQ_WaterFX>(); },
       with({"BumpMap", "BampTrans", "P1", "P2", "Time", "Direction1", "Direction2", "Shadows",
             "Vhalf", "Color"})},
      {"fire", [] { return std::make_unique<KQ_FireFX>(); },
       {"WorldViewProj", "ViewProj", "Noise", "Pattern", "c11", "c12", "c13", "ColorK1",
        "ColorK2", "bg_scale_factor", "Mask", "Background", "Brightness", "Density"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::unique_ptr<KQ_FX_Constructor> fx = c.make();
    TestLight light;
    RecordingEffect effect;
    for (int draw = 0; draw < 2; ++draw) {
      effect.calls.clear();
      fx->ApplyEffectWith(effect, light);
      ASSERT_FALSE(effect.calls.empty());
      EXPECT_EQ(1, effect.Draws());
      EXPECT_TRUE(effect.calls.back().kind == EffectCall::DrawQuad ||
                  effect.calls.back().kind == EffectCall::DrawIndexed);
      EXPECT_FALSE(effect.Technique().empty());
      for (const std::string& name : c.parameters) EXPECT_TRUE(effect.Last(name)) << name;
    }
  }
}

}  // namespace
}  // namespace fx_testing
