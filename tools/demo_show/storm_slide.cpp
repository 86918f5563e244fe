#include "tools/demo_show/storm_slide.h"

#include <memory>
#include <utility>

#include "items/shader/kq_discharge_fx_constructor.h"
#include "items/shader/kq_explosion_constructor.h"
#include "items/sprites/kq_discharge_constructor.h"
#include "items/sprites/kq_lighting_constructor.h"
#include "tools/demo_show/slide_building.h"

namespace demo_show {
namespace {

const FileLinkKey FireGradient{L"fire_gradient.png", 21};
const FileLinkKey PackNoise{L"tessaly.dll", 8};
const FileLinkKey PackPlasmaBolt{L"tessaly.dll", 98};
const FileLinkKey LightningSprite{L"lightning.png", 22};
const FileLinkKey CrackleSheet{L"crackle.png", 23};

struct Bolt {
  D3DXVECTOR3 start, end;  // picture pixels
  unsigned int segments;
};

std::unique_ptr<KQ_DischargeFXConstructor> Lightning(const Bolt& bolt) {
  auto lightning = std::make_unique<KQ_DischargeFXConstructor>();
  lightning->objectName = L"lightning";
  lightning->start = bolt.start;
  lightning->end = bolt.end;
  lightning->count = bolt.segments;
  lightning->size = 56;
  // The soft bolt glows round the sharp one drawn on top.
  lightning->secondImage.Store(PackPlasmaBolt);
  lightning->zigzag.Set(60);
  lightning->flipInterval.Set(40);  // a new look for each segment every 0.06 s
  lightning->glowStrength.Set(220);
  return lightning;
}

struct Burst {
  D3DXVECTOR3 centre;
  unsigned int size;
  unsigned int delay, pause;  // milliseconds
  unsigned int seed;
};

std::unique_ptr<KQ_ExplosionConstructor> Explosion(const Burst& burst) {
  auto explosion = std::make_unique<KQ_ExplosionConstructor>();
  explosion->objectName = L"explosion";
  explosion->centre = burst.centre;
  explosion->size = burst.size;
  explosion->image.Store(FireGradient);
  explosion->secondImage.Store(PackNoise);
  explosion->colour = 0x0080E0FF;        // the core: pale yellow
  explosion->secondColour = 0x000040E0;  // the rim: deep orange
  explosion->growthTime = 700;
  explosion->steadyTime = 500;
  explosion->fadeTime = 1400;
  explosion->delay = burst.delay;
  explosion->pause = burst.pause;
  explosion->seed = burst.seed;
  explosion->randomMode = 0;
  explosion->noiseDirection = 80;  // the smoke rises
  explosion->noiseSpeed.Set(60);
  return explosion;
}

// Flashes of sheet lightning, now here, now there, in the sky between the peaks.
std::unique_ptr<KQ_LightingConstructor> SheetLightning() {
  auto flashes =
      SpriteSystem<KQ_LightingConstructor>(LightningSprite, 3, 300, {0.05f, 0.95f, 0, 0.5f});
  flashes->transparency.Set(20);
  return flashes;
}

// Sparks where a bolt meets the ground, a new crackle about twelve times a second.
std::unique_ptr<KQ_DischargeConstructor> Crackle(const D3DXVECTOR3& where) {
  auto crackle = std::make_unique<KQ_DischargeConstructor>();
  crackle->image.Store(CrackleSheet);
  crackle->additive = 1;
  crackle->size = 120;
  crackle->sheetMode = true;
  crackle->frameCount = 4;
  crackle->frameRate = 12;
  crackle->placement.first_extra = static_cast<int>(where.x);
  crackle->placement.second_extra = static_cast<int>(where.y);
  return crackle;
}

}  // namespace

pack_images::Image MakeFireGradient() {
  using pack_images::Hex;
  using pack_images::WithAlpha;
  const pack_images::Rgba stops[] = {WithAlpha(Hex(0x300000), 0.0f),
                                     WithAlpha(Hex(0x901000), 0.6f),
                                     WithAlpha(Hex(0xF05000), 0.9f),
                                     Hex(0xFFB020),
                                     Hex(0xFFF0C0),
                                     Hex(0xFFFFFF)};
  pack_images::Image image(256, 4);
  image.Paint([&](float x, float) { return pack_images::Ramp(stops, 6, x / 256); });
  return image;
}

bool AddStormSlide(KQ_SlideShow_Light& show, KQ_DocResManager& manager,
                   const FileLinkKey& picture) {
  const std::pair<FileLinkKey, pack_images::Image> images[] = {
      {FireGradient, MakeFireGradient()},
      {LightningSprite, MakeLightningSprite()},
      {CrackleSheet, MakeCrackleSheet()},
  };
  for (const auto& [link, image] : images) {
    std::vector<uint8_t> bytes = PngBytes(image);
    if (bytes.empty()) return false;
    CarryPicture(manager, link, std::move(bytes));
  }

  // The crackle over the bolts over the bursts over the distant sheet lightning.
  const Bolt strike = {{260, 0, 0}, {380, 430, 0}, 10};
  ItemList items;
  items.push_back(Crackle(strike.end));
  items.push_back(Lightning(strike));
  items.push_back(Lightning({{760, 10, 0}, {660, 360, 0}, 8}));
  items.push_back(Explosion({{520, 380, 0}, 260, 0, 900, 11}));
  items.push_back(Explosion({{820, 420, 0}, 200, 1300, 400, 23}));
  items.push_back(Explosion({{200, 460, 0}, 180, 2100, 200, 37}));
  items.push_back(SheetLightning());
  AddSlide(show, L"Storm over the mountains", {2, 10, 2}, DriftingLight(picture, 108, 30),
           std::move(items));
  return true;
}

}  // namespace demo_show
