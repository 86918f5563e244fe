// The glow's three passes and an explosion frame drawn on a real device through the plain
// light, with the content pack's effects, probed by pixel read-back; and the glow through a
// device reset. The picture is 256 x 256, the size of the back buffer, so a picture pixel is a
// back-buffer pixel; the glow target is 512 x 512, so it holds the picture at twice the size.
#include <gtest/gtest.h>

#include <memory>

#include "items/particle.h"
#include "items/shader/kq_explosion_constructor.h"
#include "items/shader/kq_fx_obj.h"
#include "items/shader/kq_glowing_obj.h"
#include "tests/support/picture_light_device_test.h"

namespace {

using scene_testing::Blue;
using scene_testing::Red;
using scene_testing::White;

constexpr D3DCOLOR Gray = D3DCOLOR_XRGB(0x40, 0x40, 0x40);
constexpr D3DCOLOR Transparent = D3DCOLOR_ARGB(0, 0, 0, 0);

// One square particle of the settings' size at (128, 128): the glow passes without a bolt.
class GlowSquare : public SpriteClass<GlowSquare, KQ_GlowEffectCtrl> {
public:
  static constexpr const wchar_t* ClassName = L"GlowSquare";
  GlowSquare() {
    effectFile.Store({L"tessaly.dll", 97});
    size = 64;
  }
  void MoveParticle(Particle& particle) override {
    particle.position = D3DXVECTOR3(128, 128, 0);
    particle.halfWidth = particle.halfHeight = static_cast<float>(size.Get()) / 2;
  }
};

class ShaderParticlesOnDevice : public scene_testing::PictureLightDeviceTest {
protected:
  void SetUp() override {
    PictureLightDeviceTest::SetUp();
    if (HasFatalFailure()) return;
    gray_ = KeptTexture(Width, Height, [](UINT, UINT) { return Gray; });
    ShowPicture(gray_);
  }

  // The link's frames become exactly one texture of texels `texel`.
  void GiveImage(KQ_ImageFileLink& link, int id, const std::function<D3DCOLOR(UINT, UINT)>& texel) {
    link.Store({L"test image", id});
    ProvidePicture(link.Key(), 64, 64, texel);
  }
  // One frame of the slide: the picture, then the item, which needs the scene captured.
  void DrawFrame(KQ_ABObj& item, float t) {
    item.Update(t);
    DrawOverPicture(item, Gray);
  }

  // A blue glow of a white square; on top, the square's texture is red on its left half and
  // clear on its right, so the right half shows the composite.
  std::unique_ptr<KQ_GlowingObj> BlueGlowSquare(int additive) {
    GlowSquare settings;
    settings.additive = additive;
    settings.glowColour = 0x00FF0000;
    GiveImage(settings.secondImage, 1, [](UINT, UINT) { return White; });
    GiveImage(settings.image, 2,
              [](UINT x, UINT) { return x < 32 ? Red : D3DCOLOR_ARGB(0, 0xFF, 0xFF, 0xFF); });
    return std::unique_ptr<KQ_GlowingObj>(
        static_cast<KQ_GlowingObj*>(settings.CreateObject().release()));
  }
  // What each pass leaves: the glow in the target, the composite and the top pass on screen.
  void ExpectGlowPasses(KQ_GlowingObj& item, D3DCOLOR composite) {
    IDirect3DTexture9* target = item.GlowTarget().current;
    ASSERT_NE(nullptr, target);
    EXPECT_COLOR_NEAR(ReadTexel(target, 256, 256), White, 8) << "the glow pass in the target";
    EXPECT_COLOR_NEAR(ReadTexel(target, 40, 40), Transparent, 8) << "cleared round it";
    const struct {
      UINT x, y;
      D3DCOLOR expected;
      const char* why;
    } probes[] = {
        {112, 128, Red, "the top pass over everything"},
        {144, 128, composite, "the glow laid over the scene"},
        {40, 40, Gray, "no glow: the scene as it was"},
    };
    for (const auto& p : probes) EXPECT_COLOR_NEAR(ReadPixel(p.x, p.y), p.expected, 10) << p.why;
  }

  IDirect3DTexture9* gray_ = nullptr;
};

// Screen: 1 - (1 - scene)(1 - glow) with a blue glow lifts the blue of the gray scene to
// full; normal blending lays the blue over it by the glow's alpha (1).
TEST_F(ShaderParticlesOnDevice, GlowDrawsItsThreePasses) {
  const struct {
    int additive;
    D3DCOLOR composite;
  } cases[] = {{1, D3DCOLOR_XRGB(0x40, 0x40, 0xFF)}, {0, Blue}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.additive);
    const std::unique_ptr<KQ_GlowingObj> item = BlueGlowSquare(c.additive);
    ASSERT_NE(nullptr, item->Glow().Effect()) << "effect 97 from the pack";
    DrawFrame(*item, 0.05f);
    ExpectGlowPasses(*item, c.composite);
  }
}

TEST_F(ShaderParticlesOnDevice, GlowTargetHoldsOnlyThisFramesGlow) {
  const std::unique_ptr<KQ_GlowingObj> item = BlueGlowSquare(1);
  DrawFrame(*item, 0.05f);
  item->Glow().size = 16;  // the square shrinks into its middle
  DrawFrame(*item, 0.1f);
  EXPECT_COLOR_NEAR(ReadTexel(item->GlowTarget().current, 256 + 48, 256), Transparent, 8);
  EXPECT_COLOR_NEAR(ReadTexel(item->GlowTarget().current, 256, 256), White, 8);
}

// The glow target is in the default pool: a reset succeeds only once it is released, and the
// light's restore makes it again.
TEST_F(ShaderParticlesOnDevice, GlowKeepsWorkingThroughADeviceReset) {
  const std::unique_ptr<KQ_GlowingObj> item = BlueGlowSquare(1);
  DrawFrame(*item, 0.05f);
  light->InvalidateDeviceObjects();
  EXPECT_FALSE(item->GlowTarget().HasTextures());
  ASSERT_EQ(D3D_OK, ResetDevice());
  ShowPicture(gray_);
  ASSERT_TRUE(item->GlowTarget().HasTextures());
  DrawFrame(*item, 0.1f);
  ExpectGlowPasses(*item, D3DCOLOR_XRGB(0x40, 0x40, 0xFF));
}

// A red explosion of a 128-pixel square at the picture's middle, over a flat noise (so its
// rim is the disc of radius 0.79 of the half size).
class ExplosionOnDevice : public ShaderParticlesOnDevice {
protected:
  std::unique_ptr<KQ_FXObj> RedExplosion() {
    KQ_ExplosionConstructor settings;
    settings.centre = D3DXVECTOR3(128, 128, 0);
    settings.size = 128;
    settings.colour = 0x000000FF;
    settings.secondColour = 0x000000FF;
    settings.growthTime = 1000;
    settings.steadyTime = 1000;
    settings.fadeTime = 1000;
    settings.pause = 500;
    GiveImage(settings.image, 3, [](UINT, UINT) { return White; });
    GiveImage(settings.secondImage, 4, [](UINT, UINT) { return D3DCOLOR_XRGB(0x80, 0x80, 0x80); });
    return std::unique_ptr<KQ_FXObj>(static_cast<KQ_FXObj*>(settings.CreateObject().release()));
  }
};

TEST_F(ExplosionOnDevice, GrowsToItsFullSizeAndDissolves) {
  const std::unique_ptr<KQ_FXObj> item = RedExplosion();
  ASSERT_NE(nullptr, item->Fx().Effect()) << "effect 99 from the pack";
  auto& fx = static_cast<KQ_ExplosionConstructor&>(item->Fx());
  const D3DCOLOR reddened = D3DCOLOR_XRGB(0xCF, 0x10, 0x10);  // 3/4 red over the gray
  const D3DCOLOR halfRed = D3DCOLOR_XRGB(0xA0, 0x20, 0x20);
  const struct {
    float ms;                // of the cycle, before the frame's 1 ms
    D3DCOLOR centre, aside;  // at the middle, and 30 pixels to its right
    const char* why;
  } cases[] = {
      {150, reddened, Gray, "growing: small, three quarters faded in"},
      {400, Red, Gray, "growing: faded in, the disc's rim not yet 30 pixels out"},
      {1500, Red, Red, "steady: the whole disc"},
      {2500, halfRed, halfRed, "half faded: dissolving"},
      {3200, Gray, Gray, "after the fade: gone"},
  };
  float t = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    fx.cycleClock = c.ms;
    t += 0.001f;
    DrawFrame(*item, t);
    EXPECT_COLOR_NEAR(ReadPixel(128, 128), c.centre, 24) << "the middle";
    EXPECT_COLOR_NEAR(ReadPixel(158, 128), c.aside, 24) << "aside";
    EXPECT_COLOR_NEAR(ReadPixel(20, 20), Gray, 4) << "far from it";
  }
}

}  // namespace
