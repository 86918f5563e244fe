// Where the light's picture comes from: the current resource manager's textures of its picture
// link, taken when the light's device objects are made and again whenever the link is changed;
// and a link that resolves to no picture.
#include <gtest/gtest.h>

#include "document/doc_res_manager.h"
#include "render/picture_layout.h"
#include "render/view_frame.h"
#include "tests/show/show_device_test.h"

namespace {

using namespace show_testing;
using scene_testing::Black;
using scene_testing::Blue;

class LightPictureTest : public ShowDeviceTest {
protected:
  void SetUp() override {
    ShowDeviceTest::SetUp();
    manager = std::make_unique<KQ_DocResManager>();
    CurrentDocResManager = manager.get();
  }
  void TearDown() override {
    CurrentDocResManager = nullptr;
    manager.reset();
    ShowDeviceTest::TearDown();
  }

  // The manager resolves `key` to one frame of `texture`, width x height.
  void Provide(const FileLinkKey& key, IDirect3DTexture9* texture, int width, int height) {
    TextureList& list = manager->GetResourceCache().textureLists[key];
    list.frames.emplace_back();
    list.frames.back().Share(texture);
    list.width = width;
    list.height = height;
    list.aspect = static_cast<float>(height) / width;
  }

  std::unique_ptr<KQ_DocResManager> manager;
};

TEST_F(LightPictureTest, TakesThePictureOfItsLinkAndFollowsAChangeOfTheLink) {
  const FileLinkKey first{L"first.jpg", 1}, second{L"second.jpg", 2};
  IDirect3DTexture9* red = SolidTexture(8, 8, 0xFFFF0000);
  IDirect3DTexture9* blue = SolidTexture(8, 8, 0xFF0000FF);
  Provide(first, red, 400, 300);
  Provide(second, blue, 300, 600);

  LoggingLight light;
  light.pictureLink.Store(first);  // as the reader does: no change is told
  light.InitDeviceObjects();
  light.Resize(Width, Height);
  EXPECT_EQ(red, light.Picture());
  EXPECT_EQ(400u, light.GetPictureWidth());
  EXPECT_EQ(400, CurrentViewFrame().pictureWidth);

  light.pictureLink.Set(second);
  EXPECT_EQ(blue, light.Picture());
  EXPECT_EQ(300u, light.GetPictureWidth());
  EXPECT_EQ(600u, light.GetPictureHeight());
  // Laid out again at the light's size: the tall picture now fits the height.
  EXPECT_EQ(300, CurrentViewFrame().pictureWidth);
  EXPECT_FLOAT_EQ(64, CurrentViewFrame().pictureQuad.Left());

  light.RestoreDeviceObjects();
  Clear(Black);
  device->BeginScene();
  light.RenderBackground();
  device->EndScene();
  EXPECT_COLOR_NEAR(ReadPixel(128, 128), Blue, 0);
}

TEST_F(LightPictureTest, ALinkThatResolvesToNoPictureLeavesABlackBackground) {
  LoggingLight light;
  light.pictureLink.Store({L"missing.jpg", 9});
  light.InitDeviceObjects();
  light.Resize(Width, Height);
  light.RestoreDeviceObjects();
  EXPECT_EQ(nullptr, light.Picture());
  EXPECT_EQ(0u, light.GetPictureWidth());
  Clear(Blue);
  device->BeginScene();
  light.RenderBackground();
  light.RenderEffect();
  device->EndScene();
  EXPECT_COLOR_NEAR(ReadPixel(128, 128), Black, 0);
}

}  // namespace
