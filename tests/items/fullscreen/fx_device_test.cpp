// The full-screen effects drawn on a real device through the plain light, with the content
// pack's compiled effects and images, and probed by pixel read-back. The picture is 256 x 256,
// the size of the back buffer, so a picture pixel is a back-buffer pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "items/fullscreen/kq_background_copy.h"
#include "items/fullscreen/kq_brush_obj.h"
#include "items/fullscreen/kq_fire_fx.h"
#include "items/fullscreen/kq_light_fx.h"
#include "items/fullscreen/kq_move_fx.h"
#include "items/fullscreen/kq_pattern_brush.h"
#include "items/fullscreen/kq_underwater_fx.h"
#include "items/fullscreen/kq_water_fx.h"
#include "items/fullscreen/kq_waves_fx.h"
#include "show/kq_2d_light.h"
#include "show/kq_slide_container.h"
#include "tests/support/picture_light_device_test.h"

namespace {

using scene_testing::Black;
using scene_testing::Blue;
using scene_testing::Green;
using scene_testing::PictureLight;
using scene_testing::Red;
using testing_support::DescribeColor;

constexpr D3DCOLOR Gray = D3DCOLOR_XRGB(0x40, 0x40, 0x40);
constexpr D3DCOLOR HalfRedHalfGreen = D3DCOLOR_XRGB(0x80, 0x80, 0);
constexpr UINT Row = 128;  // the probes' row

class FullScreenOnDevice : public scene_testing::PictureLightDeviceTest {
protected:
  // One frame: the picture, then the item.
  void DrawFrame(KQ_ABObj& item) { DrawOverPicture(item, Black); }
};

// Checks every call against the loaded effect: the technique exists, and each parameter exists
// with the type and size the call gives it. Draws nothing.
class CheckingEffect final : public EffectCalls {
public:
  explicit CheckingEffect(ID3DXEffect* effect) : effect_(effect) {}

  void SetTechnique(const char* name) override {
    EXPECT_NE(nullptr, effect_->GetTechniqueByName(name)) << "technique " << name;
    ++checked;
  }
  void SetFloat(const char* name, float) override { Expect(name, D3DXPT_FLOAT, 1); }
  void SetFloatArray(const char* name, const float*, UINT count) override {
    Expect(name, D3DXPT_FLOAT, count);
  }
  void SetTexture(const char* name, IDirect3DBaseTexture9*) override {
    Expect(name, D3DXPT_TEXTURE, 0);
  }
  void SetMatrix(const char* name, const D3DXMATRIX&) override { Expect(name, D3DXPT_FLOAT, 16); }
  void DrawQuad(KQ_ABRender&, const KQ_SimpleMesh<DX_V::PT>&) override {}
  void DrawIndexed(KQ_ABRender&, const KQ_IndexedMesh<DX_V::PT>&) override {}
  void DrawSprites(KQ_ABRender&, const KQ_IndexedMesh<DX_V::PCT>&) override {}

  int checked = 0;  // calls checked so far

private:
  // `values` floats in the parameter (0 for an object).
  void Expect(const char* name, D3DXPARAMETER_TYPE type, UINT values) {
    D3DXHANDLE handle = effect_->GetParameterByName(nullptr, name);
    ASSERT_NE(nullptr, handle) << "parameter " << name;
    D3DXPARAMETER_DESC desc;
    ASSERT_EQ(D3D_OK, effect_->GetParameterDesc(handle, &desc));
    EXPECT_EQ(type, desc.Type) << name;
    EXPECT_EQ(values, desc.Rows * desc.Columns) << name;
    ++checked;
  }

  ID3DXEffect* effect_;
};

// What each effect item sets is what its effect in the pack offers.
TEST_F(FullScreenOnDevice, EveryCallMatchesTheParametersOfThePacksEffect) {
  IDirect3DTexture9* tile = KeptTexture(64, 64, [](UINT, UINT) { return Red; });
  const auto withTile = [&](std::unique_ptr<KQ_PatternBrush> brush) {
    brush->patternImage.Store({L"tile.png", 1});
    GivePicture(brush->patternImage.Key(), tile, 64, 64);
    return brush;
  };
  const std::function<std::unique_ptr<KQ_FX_Constructor>()> makers[] = {
      [&] { return withTile(std::make_unique<KQ_PatternBrush>()); },
      [&] { return withTile(std::make_unique<KQ_PatternBrushC>()); },
      [] { return std::make_unique<KQ_BackgroundCopy>(); },
      [] { return std::make_unique<KQ_LightFX>(); },
      [] { return std::make_unique<KQ_UnderwaterFX>(); },
      [] { return std::make_unique<KQ_WavesFX>(); },
      [] { return std::make_unique<KQ_MoveFX>(); },
      [] { return std::make_unique<KQ_WaterFX>(); },
      [] { return std::make_unique<KQ_FireFX>(); },
  };
  ShowPicture(KeptTexture(Width, Height, [](UINT, UINT) { return Gray; }));
  for (const auto& make : makers) {
    const std::unique_ptr<KQ_FX_Constructor> fx = make();
    SCOPED_TRACE(testing::Message() << "effect " << fx->effectFile.Key().id);
    for (int asEffect : {0, 1}) {
      fx->asEffect = asEffect;
      fx->CreateDeviceObjects(nullptr);
      ASSERT_NE(nullptr, fx->Effect());
      CheckingEffect effect(fx->Effect());
      fx->ApplyEffectWith(effect, *light);
      EXPECT_GE(effect.checked, 5);
    }
  }
}

struct Probe {
  UINT x;
  D3DCOLOR expected;
  const char* why;
};

TEST_F(FullScreenOnDevice, PatternRepeatsWithThePeriodOfItsTileSize) {
  ShowPicture(KeptTexture(Width, Height, [](UINT, UINT) { return Gray; }));
  // A 64-pixel tile, red on its left half, blue on its right.
  IDirect3DTexture9* tile = KeptTexture(64, 64, [](UINT x, UINT) { return x < 32 ? Red : Blue; });
  struct Case {
    unsigned int patternScale;
    std::vector<Probe> probes;
  } cases[] = {
      {100, {{16, Red, "first tile"}, {48, Blue, "first tile"}, {80, Red, "a period later"},
             {112, Blue, "a period later"}, {208, Red, "the fourth tile"}}},
      {200, {{32, Red, "tiles twice the size"}, {96, Blue, "first tile"},
             {160, Red, "128 pixels later"}, {224, Blue, "128 pixels later"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.patternScale);
    KQ_PatternBrush brush;
    brush.patternImage.Store({L"tile.png", 1});
    brush.patternScale.Set(c.patternScale);
    GivePicture(brush.patternImage.Key(), tile, 64, 64);
    std::unique_ptr<KQ_ABObj> item = brush.CreateObject();
    DrawFrame(*item);
    for (const Probe& p : c.probes) EXPECT_COLOR_NEAR(ReadPixel(p.x, Row), p.expected, 10) << p.x;
  }
}

TEST_F(FullScreenOnDevice, CopyLiesShiftedByItsPixelDistance) {
  ShowPicture(KeptTexture(Width, Height, [](UINT x, UINT) { return x < 128 ? Red : Green; }));
  KQ_BackgroundCopy copy;
  copy.copyRect.first_extra = 64;
  std::unique_ptr<KQ_ABObj> item = copy.CreateObject();
  DrawFrame(*item);
  // The half-transparent copy's red half reaches 64 pixels into the green.
  const Probe probes[] = {
      {100, Red, "red under a red copy"},
      {132, HalfRedHalfGreen, "green under the copy's red, just past the edge"},
      {188, HalfRedHalfGreen, "green under the copy's red, 60 pixels on"},
      {196, Green, "green under the copy's green, past the shifted edge"},
  };
  for (const Probe& p : probes) EXPECT_COLOR_NEAR(ReadPixel(p.x, Row), p.expected, 10) << p.why;
}

TEST_F(FullScreenOnDevice, PulseChangesTheBrightnessOverTime) {
  ShowPicture(KeptTexture(Width, Height, [](UINT, UINT) { return Gray; }));
  KQ_LightFX pulse;
  pulse.waveform = KQ_LightFX::Square;
  std::unique_ptr<KQ_ABObj> item = pulse.CreateObject();
  const KQ_FX_Constructor& clock = dynamic_cast<KQ_BrushObj&>(*item).Fx();
  // At speed 40 the square wave is on while sin(0.2 t) > 0: 0 < t < 15.7 s of the clock.
  const D3DCOLOR Brighter = D3DCOLOR_XRGB(0x59, 0x59, 0x59);  // 1.4 times the gray
  struct Step {
    float seconds;
    D3DCOLOR expected;
  } steps[] = {{0, Gray}, {0.125f, Brighter}, {0.3f, Brighter}, {0.45f, Gray}};
  for (const Step& s : steps) {
    item->Update(s.seconds);
    DrawFrame(*item);
    EXPECT_COLOR_NEAR(ReadPixel(128, Row), s.expected, 4) << "clock at " << clock.LocalTime();
  }
}

TEST_F(FullScreenOnDevice, MovingPictureShiftsAlongItsDirection) {
  ShowPicture(KeptTexture(Width, Height, [](UINT x, UINT) { return x < 128 ? Red : Green; }));
  KQ_MoveFX move;
  move.magnitude.Set(1250);  // a quarter of the picture at the top of the sine
  std::unique_ptr<KQ_ABObj> item = move.CreateObject();
  for (float t = 0.2f; t < 1.57f; t += 0.2f) item->Update(t);
  item->Update(1.5707964f);
  DrawFrame(*item);
  // Shifted 64 pixels to the right: the red reaches to 192.
  EXPECT_COLOR_NEAR(ReadPixel(186, Row), Red, 10);
  EXPECT_COLOR_NEAR(ReadPixel(198, Row), Green, 10);
}

TEST_F(FullScreenOnDevice, FireBurnsOnItsGridAndNowhereElse) {
  ShowPicture(KeptTexture(Width, Height, [](UINT, UINT) { return Black; }));
  KQ_FireFX fire;
  // Tips along the top edge, base along the bottom, in picture pixels.
  const D3DXVECTOR3 corners[4] = {{64, 64, 0}, {64, 192, 0}, {192, 64, 0}, {192, 192, 0}};
  for (int i = 0; i < 4; ++i) fire.corners.corners[i] = corners[i];
  fire.density.Set(200);  // flames everywhere on the grid
  std::unique_ptr<KQ_ABObj> item = fire.CreateObject();
  item->Update(0.1f);
  DrawFrame(*item);
  for (UINT x : {72u, 128u, 184u}) {
    for (UINT y : {72u, 128u, 184u}) {
      const D3DCOLOR c = ReadPixel(x, y);
      EXPECT_GT((c >> 16) & 0xFF, 0xC0u) << x << ", " << y << ": " << DescribeColor(c);
    }
  }
  for (UINT x : {20u, 56u, 200u, 240u}) EXPECT_COLOR_NEAR(ReadPixel(x, 128), Black, 2) << x;
  for (UINT y : {20u, 56u, 200u, 240u}) EXPECT_COLOR_NEAR(ReadPixel(128, y), Black, 2) << y;
}

// Full-screen effects replace the picture's pixels: over the picture ("Main") they cover what
// was drawn before them, over the captured scene ("MainFX") they take it in.
TEST_F(FullScreenOnDevice, AsAnEffectTheCopyTakesInTheSceneDrawnBeforeIt) {
  struct Range {
    UINT low, high;
  };
  struct Case {
    int asEffect;
    Range redOnFire, redOnCopy;  // where the fire burns, and 128 pixels to its right
  } cases[] = {
      {0, {0, 8}, {0, 8}},           // the copy of the black picture covers the fire
      {1, {0xC0, 0xFF}, {0x50, 0xFF}},  // the fire, and its half-transparent copy
  };
  IDirect3DTexture9* black = KeptTexture(Width, Height, [](UINT, UINT) { return Black; });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.asEffect);
    KQ_SlideContainer slide;
    slide.SetLight(std::make_unique<PictureLight>());
    auto copy = std::make_unique<KQ_BackgroundCopy>();
    copy->copyRect.first_extra = 128;
    copy->asEffect = c.asEffect;
    auto fire = std::make_unique<KQ_FireFX>();
    const D3DXVECTOR3 corners[4] = {{32, 32, 0}, {32, 224, 0}, {96, 32, 0}, {96, 224, 0}};
    for (int i = 0; i < 4; ++i) fire->corners.corners[i] = corners[i];
    fire->density.Set(200);
    // Items are drawn from the last to the first: the fire, then the copy.
    slide.AddItemSettings(std::move(copy));
    slide.AddItemSettings(std::move(fire));
    slide.InitSlide();
    static_cast<PictureLight&>(*slide.GetLight().Get()).UsePicture(black, Width, Height);
    slide.Resize(Width, Height);
    slide.Restart();
    slide.FrameMove(0.1f);

    Clear(Black);
    ASSERT_EQ(D3D_OK, device->BeginScene());
    slide.RenderSlide();
    device->EndScene();
    const struct {
      UINT x;
      Range red;
    } probes[] = {{64, c.redOnFire}, {192, c.redOnCopy}};
    for (const auto& p : probes) {
      const UINT red = (ReadPixel(p.x, Row) >> 16) & 0xFF;
      EXPECT_GE(red, p.red.low) << p.x;
      EXPECT_LE(red, p.red.high) << p.x;
    }
  }
}

}  // namespace
