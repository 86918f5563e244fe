#include "tools/demo_show/item_slides.h"

#include <memory>

#include "items/sprites/kq_bird_constructor.h"
#include "items/sprites/kq_fish_constructor.h"
#include "items/sprites/kq_fog_constructor.h"
#include "items/sprites/kq_grass_constructor.h"
#include "items/sprites/kq_rain_constructor.h"
#include "items/sprites/kq_sparkle_constructor.h"
#include "tools/demo_show/demo_show.h"
#include "tools/demo_show/slide_building.h"
#include "tools/demo_show/sprite_pictures.h"

namespace demo_show {
namespace {

struct SpriteImage {
  const wchar_t* file;  // the image's name in the document
  pack_images::Image (*paint)();
};

enum Sprite { Fish, Rain, Bird, Sparkle, Grass, Fog };
const SpriteImage SpriteImages[] = {
    {L"fish.png", MakeFishSprite},       {L"rain.png", MakeRainSprite},
    {L"bird.png", MakeBirdSprite},       {L"sparkle.png", MakeSparkleSprite},
    {L"grass.png", MakeGrassSprite},     {L"fog.png", MakeFogSprite},
};

// The show's pictures, in DemoSlides order.
enum Picture { MountainsAtDawn, ForestLake, Meadow, Coast };

FileLinkKey SpriteLink(Sprite sprite) { return {SpriteImages[sprite].file, 1}; }

struct Area {
  float left, right, top, bottom;  // fractions of the picture
};

// A particle system of `count` sprites `size` pixels long in `area`.
template <class Settings>
std::unique_ptr<Settings> System(Sprite sprite, unsigned int count, unsigned int size, Area area) {
  auto settings = std::make_unique<Settings>();
  settings->image.Store(SpriteLink(sprite));
  settings->count = count;
  settings->size = size;
  settings->leftFraction = area.left;
  settings->rightFraction = area.right;
  settings->topFraction = area.top;
  settings->bottomFraction = area.bottom;
  return settings;
}

struct ItemSlide {
  const wchar_t* name;
  Picture picture;
  ItemList (*items)();
};

ItemList Pond() {
  ItemList items;
  auto fish = System<KQ_FishConstructor>(Fish, 6, 96, {0.18f, 0.98f, 0.64f, 0.97f});
  fish->speedX = 45;
  fish->speedY = 14;
  fish->minSizeFactor = 0.7f;
  fish->transparency.Set(15);
  items.push_back(std::move(fish));
  auto glints = System<KQ_SparkleConstructor>(Sparkle, 16, 26, {0.05f, 0.95f, 0.6f, 0.9f});
  glints->additive = 1;
  glints->fadeSpeed = 0.9f;
  glints->minSizeFactor = 0.6f;
  items.push_back(std::move(glints));
  return items;
}

ItemList RainyCoast() {
  ItemList items;
  auto rain = System<KQ_RainConstructor>(Rain, 180, 56, {0, 1, 0, 1});
  rain->flowSpeed = 1100;
  rain->angle = 262;  // falling a little to the left, in the wind
  rain->fadeSpeed = 0.6f;
  rain->minAlpha = 0.3f;
  rain->transparency.Set(10);
  items.push_back(std::move(rain));
  return items;
}

ItemList Dawn() {
  ItemList items;
  auto mist = System<KQ_FogConstructor>(Fog, 8, 460, {0.05f, 0.95f, 0.55f, 0.9f});
  mist->speedX = 14;
  mist->speedY = 4;
  mist->fadeSpeed = 0.08f;
  mist->minAlpha = 0.15f;
  mist->maxAlpha = 0.55f;
  items.push_back(std::move(mist));
  auto birds = System<KQ_BirdConstructor>(Bird, 6, 60, {0, 1, 0.08f, 0.4f});
  birds->speedX = 70;
  birds->speedY = 16;
  birds->minSizeFactor = 0.6f;
  items.push_back(std::move(birds));
  return items;
}

ItemList WindyMeadow() {
  ItemList items;
  auto grass = System<KQ_GrassConstructor>(Grass, 150, 110, {0, 1, 0.7f, 1.02f});
  grass->swayAmplitude = 5;
  grass->minSizeFactor = 0.6f;
  grass->speed = 40;
  items.push_back(std::move(grass));
  return items;
}

const ItemSlide ItemSlides[] = {
    {L"Pond with fish", ForestLake, Pond},
    {L"Rain on the coast", Coast, RainyCoast},
    {L"Birds and mist at dawn", MountainsAtDawn, Dawn},
    {L"Meadow in the wind", Meadow, WindyMeadow},
};

}  // namespace

void AddItemSlides(KQ_SlideShow_Light& show, KQ_DocResManager& manager) {
  for (const Sprite sprite : {Fish, Rain, Bird, Sparkle, Grass, Fog}) {
    CarryPicture(manager, SpriteLink(sprite), PngBytes(SpriteImages[sprite].paint()));
  }
  for (const ItemSlide& demo : ItemSlides) {
    AddSlide(show, demo.name, {2, 10, 2}, DriftingLight(DemoPictureLink(demo.picture), 110, 30),
             demo.items());
  }
}

}  // namespace demo_show
