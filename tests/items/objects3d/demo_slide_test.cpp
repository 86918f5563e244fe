// The built-in demo show's slide of 3D items, from the document this program carries as the
// saver does: its butterflies, leaves and clock are made with their pictures and meshes from
// the document and the pack, and playing the slide draws them over its picture.
#include <d3dx9.h>
#include <gtest/gtest.h>

#include "items/objects3d/kq_3d_in_2d_array.h"
#include "items/objects3d/kq_3d_obj_array.h"
#include "items/objects3d/kq_butterfly_constructor.h"
#include "items/objects3d/kq_clock_constructor.h"
#include "render/current_device.h"
#include "show/project_document.h"
#include "tests/items/objects3d/objects3d_testing.h"
#include "tests/support/device_fixture.h"

namespace {

using testing_support::DescribeColor;

class DemoSlideTest : public testing_support::DeviceTest {
protected:
  void SetUp() override {
    DeviceTest::SetUp();
    if (HasFatalFailure()) return;
    CurrentDevice = device;
    document = std::make_unique<ProjectDocument>(LoadProjectDocument());
    ASSERT_FALSE(document->root->Slides().empty());
    for (const RefHolder<KQ_SlideContainer>& each : document->root->Slides()) {
      each->InitSlide();
      if (each->name.Get() == L"Butterflies, a clock and falling leaves") slide = each.Get();
    }
    ASSERT_NE(nullptr, slide) << "the show has its slide of 3D items";
    slide->SetPicturePosition(PositionFit);
    slide->Resize(Width, Height);
    slide->Restart();
  }
  void TearDown() override {
    document.reset();  // its destructor stops its manager being the current one
    CurrentDevice = nullptr;
    DeviceTest::TearDown();
  }

  // Plays the slide from its start for `seconds`, 20 frames a second, drawing the last frame.
  void Play(float seconds, bool withItems = true) {
    for (float t = 0; t < seconds; t += 0.05f) slide->FrameMove(t);
    Clear(0xFF000000);
    device->BeginScene();
    if (withItems) {
      slide->RenderSlide();
    } else {
      slide->GetLight()->RenderBackground();
    }
    device->EndScene();
  }

  POINT OnScreen(float x, float y) {
    return objects3d_testing::PictureToBackBuffer(x, y, Width, Height);
  }

  template <class T>
  T* Item(size_t i) {
    return dynamic_cast<T*>(slide->Items().at(i).Get());
  }

  std::unique_ptr<ProjectDocument> document;
  KQ_SlideContainer* slide = nullptr;
};

TEST_F(DemoSlideTest, ItsItemsAreMadeWithTheirPicturesAndMeshes) {
  ASSERT_EQ(3u, slide->Items().size());
  auto* butterflies = Item<KQ_3DObjArray>(0);
  auto* leaves = Item<KQ_3D_in_2D_array>(1);
  auto* clock = Item<KQ_3DObjArray>(2);
  ASSERT_TRUE(butterflies && leaves && clock);
  EXPECT_TRUE(dynamic_cast<KQ_ButterflyConstructor*>(&butterflies->Settings()));
  EXPECT_TRUE(dynamic_cast<KQ_ClockConstructor*>(&clock->Settings()));
  EXPECT_EQ(5u, butterflies->Instances().size());
  EXPECT_EQ(28u, leaves->mesh.frame.children.size());
  for (const KQ_3DObjArray* object : {butterflies, clock}) {
    for (const MeshPart& part : object->Parts()) {
      EXPECT_NE(nullptr, part.texture) << "every part has its picture (the wings' from the document)";
      EXPECT_GT(part.vertexCount, 0u);
    }
  }
  EXPECT_NE(nullptr, leaves->mesh.texture) << "the leaf's picture from the document";
  EXPECT_EQ(25u, leaves->mesh.vertexCount) << "the leaf's mesh from the document";
  EXPECT_GT(leaves->mesh.frame.radius, 0);
}

TEST_F(DemoSlideTest, PlayingItDrawsTheClockAndTheMovingItemsOverThePicture) {
  Play(3, false);
  const std::vector<D3DCOLOR> picture = ReadBackBuffer();
  Play(3);
  const std::vector<D3DCOLOR> withItems = ReadBackBuffer();
  // The clock stands at (820, 190) with a 130-pixel radius: its ivory dial towards nine.
  const POINT dial = OnScreen(820 - 65, 190);
  const D3DCOLOR c = ReadPixel(dial.x, dial.y);
  EXPECT_GT((c >> 16) & 0xFF, 190) << DescribeColor(c);
  EXPECT_GT((c >> 8) & 0xFF, 180) << DescribeColor(c);
  // Away from the clock the leaves and butterflies cover some of the picture.
  const POINT clockTopLeft = OnScreen(820 - 140, 190 - 140);
  const POINT clockBottomRight = OnScreen(820 + 140, 190 + 140);
  int changed = 0;
  for (UINT y = 0; y < Height; ++y) {
    for (UINT x = 0; x < Width; ++x) {
      const LONG px = static_cast<LONG>(x), py = static_cast<LONG>(y);
      const bool nearClock = px >= clockTopLeft.x && px <= clockBottomRight.x &&
                             py >= clockTopLeft.y && py <= clockBottomRight.y;
      const size_t i = y * Width + x;
      if (!nearClock && !testing_support::ColorNear(withItems[i], picture[i], 24)) ++changed;
    }
  }
  EXPECT_GT(changed, 250) << "pixels of leaves and butterflies";
}

}  // namespace
