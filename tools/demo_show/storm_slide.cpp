#include "tools/demo_show/storm_slide.h"

#include <memory>

#include "items/shader/kq_discharge_fx_constructor.h"
#include "items/shader/kq_explosion_constructor.h"
#include "tools/demo_show/slide_building.h"

namespace demo_show {
namespace {

const FileLinkKey FireGradient{L"fire_gradient.png", 21};
const FileLinkKey PackNoise{L"tessaly.dll", 8};
const FileLinkKey PackPlasmaBolt{L"tessaly.dll", 98};

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
  std::vector<uint8_t> gradient = PngBytes(MakeFireGradient());
  if (gradient.empty()) return false;
  CarryPicture(manager, FireGradient, std::move(gradient));

  // The bolts over the bursts.
  ItemList items;
  items.push_back(Lightning({{260, 0, 0}, {380, 430, 0}, 10}));
  items.push_back(Lightning({{760, 10, 0}, {660, 360, 0}, 8}));
  items.push_back(Explosion({{520, 380, 0}, 260, 0, 900, 11}));
  items.push_back(Explosion({{820, 420, 0}, 200, 1300, 400, 23}));
  items.push_back(Explosion({{200, 460, 0}, 180, 2100, 200, 37}));
  AddSlide(show, L"Storm over the mountains", {2, 12, 2}, DriftingLight(picture, 108, 30),
           std::move(items));
  return true;
}

}  // namespace demo_show
