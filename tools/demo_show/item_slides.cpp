#include "tools/demo_show/item_slides.h"

#include <memory>

#include "items/sprites/kq_bird_constructor.h"
#include "items/sprites/kq_fish_constructor.h"
#include "items/sprites/kq_flower_constructor.h"
#include "items/sprites/kq_fog_constructor.h"
#include "items/sprites/kq_ghost_constructor.h"
#include "items/sprites/kq_god_ray_constructor.h"
#include "items/sprites/kq_grass_constructor.h"
#include "items/sprites/kq_sparkle_constructor.h"
#include "tools/demo_show/demo_pictures.h"
#include "tools/demo_show/demo_show.h"
#include "tools/demo_show/older_sections.h"
#include "tools/demo_show/scenery.h"
#include "tools/demo_show/slide_building.h"
#include "tools/demo_show/sprite_pictures.h"

namespace demo_show {
namespace {

struct SpriteImage {
  const wchar_t* file;  // the image's name in the document
  pack_images::Image (*paint)();
};

enum Sprite { Fish, Rain, Bird, Sparkle, Grass, Fog, GodRay, Ghost, Moon, Flower, Seed };
const SpriteImage SpriteImages[] = {
    {L"fish.png", MakeFishSprite},       {L"rain.png", MakeRainSprite},
    {L"bird.png", MakeBirdSprite},       {L"sparkle.png", MakeSparkleSprite},
    {L"grass.png", MakeGrassSprite},     {L"fog.png", MakeFogSprite},
    {L"god_ray.png", MakeGodRaySprite},  {L"ghost.png", MakeGhostSprite},
    {L"moon.png", MakeMoonSprite},       {L"flower.png", MakeFlowerSprite},
    {L"seed.png", MakeSeedSprite},
};

// The show's pictures, in DemoSlides order.
enum Picture { MountainsAtDawn, ForestLake, Meadow, Coast, NightLake };

FileLinkKey SpriteLink(Sprite sprite) { return {SpriteImages[sprite].file, 1}; }

// A particle system of `count` sprites `size` pixels long in `area`.
template <class Settings>
std::unique_ptr<Settings> System(Sprite sprite, unsigned int count, unsigned int size, Area area) {
  return SpriteSystem<Settings>(SpriteLink(sprite), count, size, area);
}

// Each sprite's alpha swings between `low` and `high` at `speed` a second.
void Pulse(KQ_BaseSpriteProp& settings, float speed, float low, float high) {
  settings.fadeSpeed = speed;
  settings.minAlpha = low;
  settings.maxAlpha = high;
}

// A single sprite of `size` pixels centred on (x, y) in picture pixels, turned by `rotation`
// degrees.
template <class Settings>
std::unique_ptr<Settings> Placed(Sprite sprite, unsigned int size, int x, int y,
                                 unsigned int rotation = 0) {
  auto settings = std::make_unique<Settings>();
  settings->image.Store(SpriteLink(sprite));
  settings->size = size;
  settings->placement.first_extra = x;
  settings->placement.second_extra = y;
  settings->rotation = rotation;
  return settings;
}

enum class Camera { Drifting, Still };

struct ItemSlide {
  const wchar_t* name;
  Picture picture;
  ItemList (*items)();
  Camera camera = Camera::Drifting;
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
  // Sunlight falling slantwise through the firs onto the water.
  auto rays = System<KQ_GodRayConstructor>(GodRay, 6, 90, {0.1f, 0.9f, 0, 1});
  rays->angle = 105;  // leaning away from the sun at the upper left
  rays->additive = 1;
  rays->transparency.Set(55);
  Pulse(*rays, 0.12f, 0.1f, 0.7f);
  items.push_back(std::move(rays));
  return items;
}

ItemList RainyCoast() {
  ItemList items;
  auto rain = System<RainOverSecondFlow>(Rain, 180, 56, {0, 1, 0, 1});
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
  Pulse(*mist, 0.08f, 0.15f, 0.55f);
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
  // Daisies among the grass, each swaying about the foot of its stem.
  struct Daisy {
    unsigned int size;
    int x;
    unsigned int rotation;
    D3DCOLOR tint;  // colour reference
  };
  const Daisy daisies[] = {{230, 140, 4, 0xFFFFFF},  {190, 330, 357, 0xE8D8FF},
                           {260, 560, 2, 0xFFFFFF},  {180, 720, 355, 0xD8F0FF},
                           {220, 900, 3, 0xFFFFFF}};
  for (const Daisy& daisy : daisies) {
    // The stem's foot a little below the picture's bottom edge.
    auto flower = Placed<KQ_FlowerConstructor>(Flower, daisy.size, daisy.x,
                                               778 - static_cast<int>(daisy.size) / 2,
                                               daisy.rotation);
    flower->swayAmplitude = 4;
    flower->colour = daisy.tint;
    items.push_back(std::move(flower));
  }
  // Dandelion seeds carried across the picture by the wind.
  auto seeds = System<FirstFlow>(Seed, 20, 48, {0, 1, 0, 1});
  seeds->angle = 8;
  seeds->flowSpeed = 70;
  seeds->wobbleAmplitude.Set(10);  // 30 pixels a second sideways
  seeds->wobbleRate.Set(4);        // a new wobble about once a second
  seeds->minSizeFactor = 0.5f;
  items.push_back(std::move(seeds));
  return items;
}

// The moon over the night lake, and ghosts drifting over the water, fading in and out.
ItemList MoonlitLake() {
  ItemList items;
  auto ghosts = System<KQ_GhostConstructor>(Ghost, 5, 110, {0.05f, 0.95f, 0.45f, 0.9f});
  ghosts->speedX = 35;
  ghosts->speedY = 12;
  Pulse(*ghosts, 0.3f, 0.05f, 0.85f);
  ghosts->transparency.Set(30);
  ghosts->minSizeFactor = 0.7f;
  items.push_back(std::move(ghosts));
  // The moon in older sections, as an earlier maker stored a still picture.
  items.push_back(Placed<FirstStillPicture>(
      Moon, 150, static_cast<int>(NightLakeMoon.x * PictureHeight),
      static_cast<int>(NightLakeMoon.y * PictureHeight)));
  return items;
}

const ItemSlide ItemSlides[] = {
    {L"Pond with fish", ForestLake, Pond},
    {L"Rain on the coast", Coast, RainyCoast},
    {L"Birds and mist at dawn", MountainsAtDawn, Dawn},
    {L"Meadow in the wind", Meadow, WindyMeadow},
    // The still night, in the plain light's section from before the camera.
    {L"Ghosts over the night lake", NightLake, MoonlitLake, Camera::Still},
};

}  // namespace

void AddItemSlides(KQ_SlideShow_Light& show, KQ_DocResManager& manager) {
  for (const SpriteImage& sprite : SpriteImages) {
    CarryPicture(manager, {sprite.file, 1}, PngBytes(sprite.paint()));
  }
  for (const ItemSlide& demo : ItemSlides) {
    const FileLinkKey picture = DemoPictureLink(demo.picture);
    std::unique_ptr<KQ_2D_Light> light;
    if (demo.camera == Camera::Still) {
      light = std::make_unique<SecondPlainLight>();
      light->pictureLink.Store(picture);
    } else {
      light = DriftingLight(picture, 110, 30);
    }
    AddSlide(show, demo.name, {2, 8, 2}, std::move(light), demo.items());
  }
}

}  // namespace demo_show
