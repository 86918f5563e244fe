#include "tools/demo_show/storm_slide.h"

#include <objbase.h>

#include <memory>

#include "items/shader/kq_discharge_fx_constructor.h"
#include "items/shader/kq_explosion_constructor.h"
#include "tools/pack_images/png_writer.h"

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

std::vector<uint8_t> FireGradientFile() {
  std::vector<uint8_t> bytes;
  const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  pack_images::EncodeImage(MakeFireGradient(), true, pack_images::ImageFileFormat::Png, bytes);
  if (SUCCEEDED(com)) CoUninitialize();
  return bytes;
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
  KQ_EmbeddedData gradient;
  gradient.name = FireGradient.path;
  gradient.bytes = FireGradientFile();
  if (gradient.bytes.empty()) return false;
  manager.GetResourceCache().imageBlobs[FireGradient] = {gradient};

  auto light = std::make_unique<KQ_2D_Light>();
  light->pictureLink.Store(picture);
  light->camera.on = 1;
  light->camera.zoom.Set(108);
  light->camera.speed.Set(30);
  auto slide = std::make_unique<KQ_SlideContainer>();
  slide->fadeIn = 2u;
  slide->display = 12u;
  slide->fadeOut = 2u;
  slide->name = L"Storm over the mountains";
  slide->SetLight(std::move(light));
  // The first item is drawn last: the bolts over the bursts.
  slide->AddItemSettings(Lightning({{260, 0, 0}, {380, 430, 0}, 10}));
  slide->AddItemSettings(Lightning({{760, 10, 0}, {660, 360, 0}, 8}));
  slide->AddItemSettings(Explosion({{520, 380, 0}, 260, 0, 900, 11}));
  slide->AddItemSettings(Explosion({{820, 420, 0}, 200, 1300, 400, 23}));
  slide->AddItemSettings(Explosion({{200, 460, 0}, 180, 2100, 200, 37}));
  show.AddSlide(std::move(slide));
  return true;
}

}  // namespace demo_show
