// Each 3D item drawn through a plain light on a real device, with the pack's meshes and
// pictures: the clock at an injected time, a butterfly held still, a falling leaf turned to face
// the viewer. Probes are picture points carried to the back buffer by the light's own layout.
#include <d3dx9.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "items/objects3d/ac_butterfly.h"
#include "items/objects3d/kq_3d_in_2d_array.h"
#include "items/objects3d/kq_3d_obj_array.h"
#include "items/objects3d/kq_butterfly_constructor.h"
#include "items/objects3d/kq_clock_constructor.h"
#include "items/objects3d/kq_leaf_fall_anim.h"
#include "render/picture_layout.h"
#include "show/kq_2d_light.h"
#include "tests/items/objects3d/objects3d_testing.h"
#include "tests/support/document_device_test.h"

namespace {

using namespace objects3d_testing;
using testing_support::DescribeColor;

int Red(D3DCOLOR c) { return (c >> 16) & 0xFF; }
int Brightness(D3DCOLOR c) { return ((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF); }

class ObjectsOnDeviceTest : public scene_testing::DocumentDeviceTest {
protected:
  void SetUp() override {
    DocumentDeviceTest::SetUp();
    if (HasFatalFailure()) return;
    light_ = std::make_unique<KQ_2D_Light>();
    light_->SetPicturePosition(PositionStretch);
    light_->InitDeviceObjects();
    light_->Resize(Width, Height);
    light_->RestoreDeviceObjects();
    ASSERT_GT(CurrentViewFrame().pictureWidth, 0) << "the pack's picture did not load";
  }
  void TearDown() override {
    light_.reset();
    DocumentDeviceTest::TearDown();
  }

  float PictureWidth() const { return static_cast<float>(CurrentViewFrame().pictureWidth); }
  float PictureHeight() const { return static_cast<float>(CurrentViewFrame().pictureHeight); }

  // One frame of the item over black: update at t, then draw through the light.
  void DrawFrame(KQ_ABObj& item, float t) {
    Clear(0xFF000000);
    ASSERT_EQ(D3D_OK, device->BeginScene());
    item.Update(t);
    item.Draw(*light_);
    device->EndScene();
  }

  // The back-buffer colour at a picture point.
  D3DCOLOR PictureColor(float x, float y) {
    const POINT p = PictureToBackBuffer(x, y, Width, Height);
    return ReadPixel(static_cast<UINT>(p.x), static_cast<UINT>(p.y));
  }

  struct Area {
    int left, top, right, bottom;  // back-buffer pixels, right and bottom excluded
  };
  // How many pixels of the area are not black.
  int LitPixels(const Area& area) {
    const std::vector<D3DCOLOR> pixels = ReadBackBuffer();
    int lit = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) lit += Brightness(pixels[y * Width + x]) > 30;
    return lit;
  }

  std::unique_ptr<KQ_2D_Light> light_;
};

TEST_F(ObjectsOnDeviceTest, TheClockShowsTheInjectedTime) {
  FixedLocalTime time(3, 0, 0);
  KQ_ClockConstructor settings;  // centred on the picture
  settings.objectSize = static_cast<unsigned int>(PictureHeight() * 0.8f);
  settings.localTime = FixedLocalTime::Read;
  std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
  DrawFrame(*item, 0.5f);

  const float cx = PictureWidth() / 2, cy = PictureHeight() / 2;
  const float radius = PictureHeight() * 0.4f;  // half the face
  struct Probe {
    float x, y;  // fractions of the face's radius from the centre, y down
    const char* what;
    bool hand;   // dark steel, else the ivory dial
  } probes[] = {
      {0.3f, 0, "hour hand, towards three", true},
      {0, -0.4f, "minute hand, towards twelve", true},
      {-0.3f, 0, "dial towards nine", false},
      {0, 0.4f, "dial towards six", false},
  };
  for (const Probe& p : probes) {
    const D3DCOLOR c = PictureColor(cx + p.x * radius, cy + p.y * radius);
    if (p.hand) {
      EXPECT_LT(Red(c), 120) << p.what << ": " << DescribeColor(c);
    } else {
      EXPECT_GT(Red(c), 200) << p.what << ": " << DescribeColor(c);
    }
  }
  EXPECT_COLOR_NEAR(PictureColor(cx + 1.2f * radius, cy), 0xFF000000, 2) << "beside the face";
}

// Held still at the picture's centre flying straight into the picture, so both wings show
// spread to either side of the body: below it while they beat down, above it on the way up.
TEST_F(ObjectsOnDeviceTest, AButterflysWingsBeatOnBothSidesOfItsBody) {
  struct Case {
    float flapAngle;
    bool wingsDown;
  } cases[] = {{30, true}, {-30, false}};
  for (const Case& c : cases) {
    KQ_ButterflyConstructor settings;
    settings.imageLink = KQ_FileLink3(6, L"tessaly.dll");  // the wings in the body's colours
    settings.objectSize = 1000u;
    settings.speed = 0u;  // no item time passes: the butterfly holds its pose
    std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
    auto& butterflies = static_cast<KQ_3DObjArray&>(*item);
    ASSERT_NE(nullptr, butterflies.Parts()[0].texture);
    ASSERT_GT(butterflies.Parts()[1].vertexCount, 0u);
    auto& body = static_cast<AC_Butterfly&>(*butterflies.Instances().front()->animator);
    body.position = D3DXVECTOR3(PictureWidth() / 2, PictureHeight() / 2, 0);
    body.heading = Ramp{90, 90, 350};
    body.forward = Ramp{150, 150, 350};
    body.flapAngle = c.flapAngle;
    DrawFrame(*item, 0.5f);

    const int half = Width / 2;
    const int below = LitPixels({0, half + 8, half - 8, Height}) + LitPixels({half + 8, half + 8, Width, Height});
    const int above = LitPixels({0, 0, half - 8, half - 8}) + LitPixels({half + 8, 0, Width, half - 8});
    const int left = LitPixels({0, 0, half - 8, Height});
    const int right = LitPixels({half + 8, 0, Width, Height});
    EXPECT_GT(left, 100) << c.flapAngle << ": wing B, the mirrored one";
    EXPECT_GT(right, 100) << c.flapAngle << ": wing A";
    EXPECT_GT(c.wingsDown ? below : above, 200) << c.flapAngle;
    EXPECT_LT(c.wingsDown ? above : below, 20) << c.flapAngle;
    EXPECT_GT(Brightness(ReadPixel(half, half)), 60) << "the body";
  }
}

// A falling leaf (here the pack's plate with the clock's face, as asset records) tumbled to
// face the viewer at the picture's centre, scaled to its size.
TEST_F(ObjectsOnDeviceTest, ALeafIsDrawnAtItsPlaceAndSize) {
  KQ_3D_in_2D_array_Constructor settings;
  settings.meshData = KQ_EmbeddedData(70, L"tessaly.dll");
  settings.textureData = KQ_EmbeddedData(71, L"tessaly.dll");
  settings.count = 1u;
  settings.motion.size = static_cast<unsigned int>(PictureHeight() / 2);
  settings.motion.speed = 0u;
  settings.motion.spin = 0u;
  std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
  auto& leaves = static_cast<KQ_3D_in_2D_array&>(*item);
  ASSERT_GT(leaves.mesh.vertexCount, 0u);
  ASSERT_NE(nullptr, leaves.mesh.texture);
  auto& leaf = static_cast<KQ_LeafFallAnim&>(*leaves.mesh.frame.children.front()->animator);
  std::fill(std::begin(leaf.angle), std::end(leaf.angle), 0.0f);
  leaf.angle[KQ_LeafFallAnim::TumbleX] = 90;  // the plate lies flat; this stands it up
  D3DXMatrixTranslation(&leaf.placement, PictureWidth() / 2, PictureHeight() / 2, 0);
  DrawFrame(*item, 0.5f);

  // The plate's bounding sphere is `size` across, so its square is size / sqrt 2 wide.
  const float side = PictureHeight() / 2 / std::sqrt(2.0f);
  const float cx = PictureWidth() / 2, cy = PictureHeight() / 2;
  EXPECT_GT(Red(PictureColor(cx - 0.25f * side, cy)), 200) << "the dial";
  EXPECT_COLOR_NEAR(PictureColor(cx + 0.7f * side, cy), 0xFF000000, 2) << "right of the leaf";
  EXPECT_COLOR_NEAR(PictureColor(cx, cy - 0.7f * side), 0xFF000000, 2) << "above the leaf";

  // With the mesh but no leaf the light is not asked to draw at all.
  settings.count = 0u;
  std::unique_ptr<KQ_ABObj> none = settings.CreateObject();
  ASSERT_GT(static_cast<KQ_3D_in_2D_array&>(*none).mesh.vertexCount, 0u);
  CountingRender counting;
  none->Update(0.5f);
  none->Draw(counting);
  EXPECT_EQ(0, counting.meshFrames);
  item->Draw(counting);
  EXPECT_EQ(1, counting.meshFrames);
}

// A square 6 units across centred at (100, 40, 10), far from the mesh's origin.
const char OffCentreSquare[] =
    "xof 0303txt 0032\n"
    "Mesh Square {\n"
    "  4;\n"
    "  97.0;37.0;10.0;, 103.0;37.0;10.0;, 97.0;43.0;10.0;, 103.0;43.0;10.0;;\n"
    "  2;\n"
    "  3;0,1,2;, 3;2,1,3;;\n"
    "  MeshTextureCoords { 4; 0.0;0.0;, 1.0;0.0;, 0.0;1.0;, 1.0;1.0;; }\n"
    "}\n";

// Every leaf is moved onto its mesh's centre first, so it tumbles about that centre and the
// centre hangs at the end of the arm, above its place.
TEST_F(ObjectsOnDeviceTest, EveryLeafTurnsAboutTheCentreOfItsMesh) {
  KQ_3D_in_2D_array_Constructor settings;
  settings.meshData.name = L"square.x";
  settings.meshData.bytes.assign(OffCentreSquare, OffCentreSquare + sizeof OffCentreSquare - 1);
  settings.count = 2u;
  settings.motion.size = 30u;
  settings.motion.speed = 0u;
  settings.motion.spin = 0u;
  std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
  auto& leaves = static_cast<KQ_3D_in_2D_array&>(*item);
  ASSERT_GT(leaves.mesh.vertexCount, 0u);
  ExpectNear({100, 40, 10}, leaves.mesh.frame.centre, 1e-3f, "the mesh's centre");
  const float scale = 30 * 0.5f / leaves.mesh.frame.radius;
  ASSERT_NEAR(std::sqrt(18.0f), leaves.mesh.frame.radius, 1e-3f);

  const D3DXVECTOR3 places[] = {{200, 150, 0}, {60, 90, 0}};
  ASSERT_EQ(2u, leaves.mesh.frame.children.size());
  for (size_t i = 0; i < 2; ++i) {
    auto& leaf = static_cast<KQ_LeafFallAnim&>(*leaves.mesh.frame.children[i]->animator);
    std::fill(std::begin(leaf.angle), std::end(leaf.angle), 0.0f);
    leaf.angle[KQ_LeafFallAnim::TumbleZ] = 90;
    D3DXMatrixTranslation(&leaf.placement, places[i].x, places[i].y, 0);
  }
  item->Update(0.5f);
  for (size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const D3DXMATRIX& world = leaves.mesh.frame.children[i]->world;
    const D3DXVECTOR3& place = places[i];
    ExpectNear({place.x, place.y, 50}, Through(world, {100, 40, 10}), 1e-3f, "the centre");
    // A corner, 3 units right and 3 up of the centre, turned a quarter about z and scaled.
    ExpectNear({place.x - 3 * scale, place.y + 3 * scale, 50}, Through(world, {103, 43, 10}),
               1e-3f, "a corner");
  }
}

// Assets that cannot be made leave the items without texture or mesh: they draw what they
// have, or nothing, and never touch what is missing.
TEST_F(ObjectsOnDeviceTest, MissingAssetsDrawNothingOrUntextured) {
  KQ_3D_in_2D_array_Constructor leafSettings;
  leafSettings.meshData = KQ_EmbeddedData(9999, L"tessaly.dll");
  leafSettings.textureData = KQ_EmbeddedData(9998, L"tessaly.dll");
  leafSettings.count = 3u;
  leafSettings.motion.size = 100u;
  std::unique_ptr<KQ_ABObj> leaves = leafSettings.CreateObject();
  EXPECT_EQ(nullptr, static_cast<KQ_3D_in_2D_array&>(*leaves).mesh.texture);
  EXPECT_EQ(nullptr, static_cast<KQ_3D_in_2D_array&>(*leaves).mesh.vertexBuffer);
  DrawFrame(*leaves, 0.5f);
  EXPECT_EQ(0, LitPixels({0, 0, Width, Height}));

  KQ_ButterflyConstructor butterflySettings;  // no wing image by default
  butterflySettings.bodyMesh = KQ_MeshFile(9999, L"tessaly.dll");
  std::unique_ptr<KQ_ABObj> butterflies = butterflySettings.CreateObject();
  const std::vector<MeshPart>& parts = static_cast<KQ_3DObjArray&>(*butterflies).Parts();
  EXPECT_EQ(0u, parts[0].vertexCount);
  EXPECT_EQ(nullptr, parts[0].vertexBuffer);
  EXPECT_NE(nullptr, parts[0].texture);
  EXPECT_EQ(nullptr, parts[1].texture);
  EXPECT_GT(parts[1].vertexCount, 0u);
  DrawFrame(*butterflies, 0.5f);
}

}  // namespace
