// Sprite items on a real device: the buffers their count asks for, and sprites drawn through a
// plain light and found again by reading pixels back. The light's picture and the sprite images
// are textures of the test's own, handed to a resource manager under their links.
#include <gtest/gtest.h>

#include <cmath>

#include "items/particle.h"
#include "items/sprites/kq_fish_constructor.h"
#include "items/sprites/kq_sparkle_constructor.h"
#include "items/sprites/kq_sprite_array_obj.h"
#include "items/sprites/kq_stat_obj_constructor.h"
#include "render/picture_layout.h"
#include "show/kq_2d_light.h"
#include "tests/support/item_testing.h"
#include "tests/support/document_device_test.h"
#include "tests/support/section_fixtures.h"

namespace {

using namespace item_testing;
using scene_testing::Black;
using scene_testing::White;
using scene_testing::RefCount;

const FileLinkKey SpriteImage{L"sprite.png", 1};
const FileLinkKey GlowImage{L"glow.png", 2};
const FileLinkKey Picture{L"tessaly.dll", 5};  // the plain light's default picture

class SpriteDeviceTest : public scene_testing::DocumentDeviceTest {
protected:
  void SetUp() override {
    DocumentDeviceTest::SetUp();
    if (HasFatalFailure()) return;
    CurrentPictureView().position = PositionFit;
    // A black picture exactly the size of the back buffer: picture pixels are screen pixels.
    ProvidePicture(Picture, Width, Height, [](UINT, UINT) { return 0xFF000000; });
    light = std::make_unique<KQ_2D_Light>();
    light->InitDeviceObjects();
    light->Resize(Width, Height);
    light->RestoreDeviceObjects();
  }

  void TearDown() override {
    light.reset();
    DocumentDeviceTest::TearDown();
  }


  // A white sprite image of the given size.
  void ProvideSprite(const FileLinkKey& key, int width, int height) {
    ProvidePicture(key, width, height, [](UINT, UINT) { return 0xFFFFFFFF; });
  }

  std::unique_ptr<KQ_SpriteArrayObj> Create(KQ_BaseSpriteProp& settings) {
    std::unique_ptr<KQ_ABObj> item = settings.CreateObject();
    return std::unique_ptr<KQ_SpriteArrayObj>(static_cast<KQ_SpriteArrayObj*>(item.release()));
  }

  void DrawFrame(KQ_SpriteArrayObj& sprites) {
    Clear(0xFF000000);
    device->BeginScene();
    light->RenderBackground();
    sprites.Draw(*light);
    device->EndScene();
  }

  D3DCOLOR PixelAt(const D3DXVECTOR3& position) {
    return ReadPixel(static_cast<UINT>(std::lround(position.x)),
                     static_cast<UINT>(std::lround(position.y)));
  }

  std::unique_ptr<KQ_2D_Light> light;
};

// The indices of quad i: two triangles of a list.
void ExpectQuadIndices(const WORD* indices, unsigned int quad) {
  const WORD first = static_cast<WORD>(4 * quad);
  const WORD expected[6] = {first, WORD(first + 1), WORD(first + 2),
                            WORD(first + 2), WORD(first + 1), WORD(first + 3)};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(expected[k], indices[6 * quad + k]) << "quad " << quad;
}

TEST_F(SpriteDeviceTest, TheCountSizesTheBuffersAsItGrowsAndShrinks) {
  KQ_FishConstructor fish;
  fish.count = 3;
  auto sprites = Create(fish);
  KQ_BaseSpriteProp& settings = *sprites->settings;
  const struct {
    unsigned int count;
    unsigned int particles, quads;
  } steps[] = {{3, 3, 3}, {5, 5, 5}, {2, 5, 2}, {0, 5, 2}, {20000, 16384, 16384}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.count);
    settings.count.Set(step.count);
    EXPECT_EQ(step.particles, sprites->particles.size());
    EXPECT_EQ(4 * step.quads, sprites->vertexCount);
    EXPECT_EQ(2 * step.quads, sprites->triangleCount);
    EXPECT_EQ(D3DPT_TRIANGLELIST, sprites->primitiveType);
    ASSERT_NE(nullptr, sprites->vertexBuffer);
    const WORD* indices = sprites->LockIndices();
    ASSERT_NE(nullptr, indices);
    ExpectQuadIndices(indices, 0);
    ExpectQuadIndices(indices, step.quads - 1);
    sprites->UnlockIndices();
  }
}

TEST_F(SpriteDeviceTest, DrawsEveryParticleWhereItIs) {
  ProvideSprite(SpriteImage, 8, 8);
  KQ_FishConstructor fish;
  fish.image.Store(SpriteImage);
  fish.speedX = fish.speedY = 0;  // standing still
  fish.count = 6;
  fish.size = 12;
  fish.colour = 0x0000FF00;  // green
  fish.leftFraction = fish.topFraction = 0.1f;
  fish.rightFraction = fish.bottomFraction = 0.9f;
  std::srand(3);
  auto sprites = Create(fish);
  sprites->Update(0.05f);
  DrawFrame(*sprites);
  for (const auto& particle : sprites->particles) {
    SCOPED_TRACE(testing::Message() << "(" << particle->position.x << ", "
                                    << particle->position.y << ")");
    EXPECT_COLOR_NEAR(PixelAt(particle->position), 0xFF00FF00, 8);
  }
  // The corner of the picture lies outside the area, where no fish can be.
  EXPECT_COLOR_NEAR(ReadPixel(5, 5), Black, 8);
}

TEST_F(SpriteDeviceTest, AStillPictureIsDrawnTurnedWithTheShapeOfItsImage) {
  ProvideSprite(SpriteImage, 16, 8);  // twice as wide as high
  KQ_StatObjConstructor picture;
  picture.image.Store(SpriteImage);
  picture.size = 60;
  picture.colour = 0x000000FF;  // red
  picture.placement.first_extra = 128;
  picture.placement.second_extra = 128;
  picture.rotation = 90;
  auto sprites = Create(picture);
  sprites->Update(0.05f);
  DrawFrame(*sprites);
  // 60 x 30 turned upright: 30 wide and 60 high round (128, 128).
  EXPECT_COLOR_NEAR(ReadPixel(128, 128), 0xFFFF0000, 8);
  EXPECT_COLOR_NEAR(ReadPixel(128, 128 + 25), 0xFFFF0000, 8);
  EXPECT_COLOR_NEAR(ReadPixel(128 + 25, 128), Black, 8);
  EXPECT_COLOR_NEAR(ReadPixel(128, 128 + 35), Black, 8);
}

TEST_F(SpriteDeviceTest, RefillingOnlyOnNewFramesStillFillsASingleImageOnce) {
  ProvideSprite(SpriteImage, 8, 8);
  KQ_StatObjConstructor picture;
  picture.image.Store(SpriteImage);
  picture.size = 20;
  picture.placement.first_extra = 60;
  picture.placement.second_extra = 70;
  picture.refillOnFrame = 1;
  auto sprites = Create(picture);
  sprites->Update(0.05f);
  DrawFrame(*sprites);
  EXPECT_COLOR_NEAR(ReadPixel(60, 70), 0xFFFFFFFF, 8) << "not an unfilled buffer";
}

// An animated image of two frames of 0.1 s each, under `key`.
void GiveTwoFrameImage(KQ_DocResManager& manager, const FileLinkKey& key,
                       IDirect3DTexture9* first, IDirect3DTexture9* second) {
  TextureList& list = manager.GetResourceCache().textureLists[key];
  list.AppendFrame(TextureEntry(first, 8, 8, 1.0f));
  list.AppendFrame(TextureEntry(second, 8, 8, 1.0f));
  list.frameTimes = {0.1f, 0.1f};
}

// The centre of the first quad as the vertex buffer holds it.
D3DXVECTOR3 FirstQuadCentre(KQ_SpriteArrayObj& sprites) {
  const DX_V::PCT* v = sprites.LockVertices();
  if (!v) {
    ADD_FAILURE() << "the vertices could not be locked";
    return D3DXVECTOR3(0, 0, 0);
  }
  D3DXVECTOR3 sum(0, 0, 0);
  for (int k = 0; k < 4; ++k) sum += D3DXVECTOR3(v[k].x, v[k].y, v[k].z);
  sprites.UnlockVertices();
  return sum / 4;
}

void ExpectAt(const D3DXVECTOR3& expected, const D3DXVECTOR3& actual, const char* what) {
  EXPECT_NEAR(expected.x, actual.x, 1e-3f) << what;
  EXPECT_NEAR(expected.y, actual.y, 1e-3f) << what;
}

// Updates 0.04 s apart at real-time speed: with frames of 0.1 s the image changes frame on the
// third, sixth and ninth update. The first update fills the new buffer in either case.
TEST_F(SpriteDeviceTest, RefillingOnNewFramesMovesTheQuadsOnlyWhenTheImageChangesFrame) {
  GiveTwoFrameImage(*manager, SpriteImage, KeptTexture(8, 8, [](UINT, UINT) { return White; }),
                    KeptTexture(8, 8, [](UINT, UINT) { return Black; }));
  const std::vector<bool> newFrame = {false, true, false, false, true, false, false, true};
  const struct {
    const char* what;
    int refillOnFrame;
    std::vector<bool> refilled;  // updates 2 to 9
  } cases[] = {
      {"refilled every update", 0, std::vector<bool>(newFrame.size(), true)},
      {"refilled on a new frame only", 1, newFrame},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    KQ_FishConstructor fish;
    fish.image.Store(SpriteImage);
    fish.count = 1;
    fish.size = 10;
    fish.refillOnFrame = c.refillOnFrame;
    auto sprites = Create(fish);
    Particle& particle = *sprites->particles.front();
    particle.position = D3DXVECTOR3(100, 100, 0);
    particle.velocity = D3DXVECTOR3(100, 0, 0);  // 4 pixels an update
    sprites->Update(0.04f);
    ExpectAt(particle.position, FirstQuadCentre(*sprites), "after the first update");
    for (size_t i = 0; i < newFrame.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "update " << i + 2);
      const float x = particle.position.x;
      const D3DXVECTOR3 quad = FirstQuadCentre(*sprites);
      const uint32_t frame = sprites->frameIndex;
      sprites->Update(0.04f * static_cast<float>(i + 2));
      EXPECT_EQ(newFrame[i], frame != sprites->frameIndex);
      EXPECT_NEAR(x + 4, particle.position.x, 1e-3f) << "the particle moves every update";
      ExpectAt(c.refilled[i] ? particle.position : quad, FirstQuadCentre(*sprites), "the quad");
    }
  }
}

TEST_F(SpriteDeviceTest, ACountLoweredToZeroDrawsNothing) {
  ProvideSprite(SpriteImage, 8, 8);
  KQ_StatObjConstructor picture;
  picture.image.Store(SpriteImage);
  picture.size = 20;
  picture.placement.first_extra = picture.placement.second_extra = 100;
  auto sprites = Create(picture);
  sprites->Update(0.05f);
  sprites->settings->count.Set(0);
  sprites->Update(0.1f);
  DrawFrame(*sprites);
  EXPECT_COLOR_NEAR(ReadPixel(100, 100), Black, 8);
}

TEST_F(SpriteDeviceTest, TheSecondImageIsHeldOnceAndLentToEveryDraw) {
  ProvideSprite(SpriteImage, 8, 8);
  ProvideSprite(GlowImage, 8, 8);
  IDirect3DTexture9* glow = manager->GetResourceCache().textureLists[GlowImage].frames[0].Get();
  const ULONG before = RefCount(glow);
  KQ_StatObjConstructor picture;
  picture.image.Store(SpriteImage);
  picture.secondImage.Store(GlowImage);
  auto sprites = Create(picture);
  EXPECT_EQ(glow, sprites->GetSecondTexture());
  EXPECT_EQ(before + 1, RefCount(glow));
  for (int frame = 1; frame <= 5; ++frame) {
    sprites->Update(frame * 0.05f);
    DrawFrame(*sprites);
  }
  EXPECT_EQ(before + 1, RefCount(glow)) << "drawing takes no references";
  sprites.reset();
  EXPECT_EQ(before, RefCount(glow));
}

TEST_F(SpriteDeviceTest, WithoutASecondImageThereIsNoSecondTexture) {
  KQ_FishConstructor fish;
  auto sprites = Create(fish);
  EXPECT_EQ(nullptr, sprites->GetSecondTexture());
  EXPECT_EQ(nullptr, sprites->CurrentFrameTexture()) << "an image that resolves to nothing";
}

TEST_F(SpriteDeviceTest, InlineImagesOfAVersionOneSectionBecomeLinks) {
  KQ_IOF_W record;
  WriteSectionHeader(record, L"KQ_SparkleConstructor", 1);
  WriteSpritePropSection(record, 1, SpritePropFields());  // frame 41 and second image 42 inline
  const auto settings = ReadRecord<KQ_SparkleConstructor>(record.Bytes());
  ASSERT_NE(nullptr, settings);
  auto sprites = Create(*settings);
  const KQ_BaseSpriteProp* documentObject = settings.get();
  const KQ_BaseSpriteProp* runTimeCopy = sprites->settings;
  for (const KQ_BaseSpriteProp* converted : {documentObject, runTimeCopy}) {
    EXPECT_EQ((FileLinkKey{L"tessaly.dll", 41}), converted->image.Key());
    EXPECT_EQ((FileLinkKey{L"tessaly.dll", 42}), converted->secondImage.Key());
    EXPECT_TRUE(converted->legacyFrames.empty());
    EXPECT_TRUE(converted->legacyFrameTimes.empty());
  }
  const FileLinkKey frames{L"tessaly.dll", 41};
  EXPECT_EQ((std::vector<float>{0.25f, 0.5f}),
            manager->GetResourceCache().textureLists[frames].frameTimes);
}

TEST_F(SpriteDeviceTest, ASpriteWithoutAnyImageKeepsItsLinksEmpty) {
  KQ_SparkleConstructor settings;
  auto sprites = Create(settings);
  EXPECT_TRUE(sprites->settings->image.Key().path.empty());
  EXPECT_TRUE(sprites->settings->secondImage.Key().path.empty());
}

}  // namespace
