#include "tools/demo_show/light_slides.h"

#include <functional>
#include <memory>

#include "scene/fake_lake_2d.h"
#include "scene/kq_flame_light.h"
#include "scene/kq_water_ring_light.h"
#include "tools/demo_show/demo_show.h"

namespace demo_show {
namespace {

// A fixed key, so that the document comes out the same on every build.
const GUID LakeRipplesId = {0x6B1E2C47, 0x58D3, 0x4A0F,
                            {0x9C, 0x21, 0x3E, 0x7A, 0x05, 0xD4, 0xB8, 0x16}};
constexpr unsigned LakeRippleSize = 128;

struct LightSlide {
  const wchar_t* name;
  size_t picture;  // which of the show's pictures the light shows
  std::function<std::unique_ptr<KQ_2D_Light>()> make;
};

const LightSlide LightSlides[] = {
    {L"Hearth at dawn", 0,
     [] {
       auto flame = std::make_unique<KQ_FlameLight>();
       flame->fireOffset = 12;  // the flames' roots a little below the picture's foot
       return flame;
     }},
    {L"Mirror lake", 1,
     [] {
       auto lake = std::make_unique<FakeLake2D>();
       lake->bumpKey = {LakeRipplesId, L"lake ripples", true};
       lake->lakeShare.Set(30);  // the lower 35 % of the picture
       return lake;
     }},
    {L"Rain on the bay", 3,
     [] {
       auto water = std::make_unique<KQ_WaterRingLight>();
       water->dropRate.Set(120);  // two drops a second
       water->dropStrength = 100;
       water->depth = 40;         // the picture bends more under the rings
       water->shininess.Set(25);  // broader glints on their slopes
       return water;
     }},
};

}  // namespace

void AddLightSlides(KQ_SlideShow_Light& show, KQ_DocResManager& manager) {
  DataBlob ripples;
  ripples.name = L"lake ripples";
  ripples.bytes = LakeRippleBumpFile(LakeRippleSize);
  manager.GetResourceCache().guidTextureBlobs[{LakeRipplesId, L"lake ripples", true}] = ripples;

  for (const LightSlide& demo : LightSlides) {
    std::unique_ptr<KQ_2D_Light> light = demo.make();
    light->pictureLink.Store(DemoPictureLink(demo.picture));
    light->camera.on = 1;
    light->camera.zoom.Set(110);
    light->camera.speed.Set(30);
    auto slide = std::make_unique<KQ_SlideContainer>();
    slide->fadeIn = 1;
    slide->display = 9;
    slide->fadeOut = 1;
    slide->name = demo.name;
    slide->SetLight(std::move(light));
    show.AddSlide(std::move(slide));
  }
}

}  // namespace demo_show
