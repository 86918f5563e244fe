// The underwater light on a real device: the captured slide drawn back through the ripple
// effect wobbles, and keeps wobbling as time goes on.
#include "tests/support/light_device_test.h"

#include "show/lights/fake_undervater.h"

namespace {

using namespace scene_testing;
using testing_support::ColorNear;

const FileLinkKey StripedPicture{L"striped picture", 1};

// Red and blue vertical stripes 16 pixels wide.
D3DCOLOR Stripe(UINT x, UINT) { return (x / 16) % 2 ? 0xFF0000FF : 0xFFFF0000; }

class UnderwaterLightTest : public LightDeviceTest {
protected:
  void StartStriped() {
    ProvidePicture(StripedPicture, Width, Height, Stripe);
    auto light = std::make_unique<FakeUndervater>();
    light->pictureLink.Store(StripedPicture);
    StartSlide(std::move(light));
  }

  // Pixels that differ from the unmoved picture.
  int MovedPixels(const std::vector<D3DCOLOR>& shown) {
    int moved = 0;
    for (UINT y = 0; y < Height; ++y)
      for (UINT x = 0; x < Width; ++x)
        moved += ColorNear(shown[y * Width + x], Stripe(x, y), 60) ? 0 : 1;
    return moved;
  }
};

// The light always captures the slide: without the capture it would have no scene to draw back.
TEST_F(UnderwaterLightTest, ThePictureWobbles) {
  StartStriped();
  ASSERT_NE(nullptr, static_cast<FakeUndervater&>(Light()).ripple.Effect())
      << "the pack's ripple effect did not load";
  RenderFrame(0);
  RenderFrame(0.1f);
  const std::vector<D3DCOLOR> first = ReadBackBuffer();
  SaveBackBuffer(L"underwater_first.png");
  RenderFrame(0.2f);
  RenderFrame(0.3f);
  const std::vector<D3DCOLOR> later = ReadBackBuffer();
  // The stripes' edges are pushed sideways, but each stripe keeps its middle and its colour.
  EXPECT_GT(MovedPixels(first), 500);
  EXPECT_LT(MovedPixels(first), 256 * 256 / 4);
  EXPECT_COLOR_NEAR(first[128 * Width + 8], Red, 40);
  EXPECT_COLOR_NEAR(first[128 * Width + 24], Blue, 40);
  // Time moves the waves: the wobble at a later time is another one.
  int changed = 0;
  for (size_t i = 0; i < first.size(); ++i) changed += ColorNear(first[i], later[i], 60) ? 0 : 1;
  EXPECT_GT(changed, 100);
}

}  // namespace
