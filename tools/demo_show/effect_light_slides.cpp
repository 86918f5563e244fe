// The demo show's slides through the effect lights, each tuned to show its light at its best on
// the demo pictures.
#include "show/lights/fake_lake_2d.h"
#include "show/lights/fake_undervater.h"
#include "show/lights/kq_glass_ball_light.h"
#include "show/lights/kq_matrix_code_light.h"
#include "show/lights/kq_water_ring_light.h"
#include "tools/demo_show/demo_show.h"
#include "tools/demo_show/lake_ripples.h"
#include "tools/demo_show/older_sections.h"

namespace demo_show {
namespace {

// A swaying ball on its stand, over a dusk-blue gradient. The ball follows the camera as if it
// stood in the background; a zoom of 1 keeps it in the middle.
std::unique_ptr<KQ_2D_Light> GlassBall() {
  auto light = std::make_unique<KQ_GlassBallLight>();
  light->camera.zoom.Set(100);
  light->ballSize = 60;
  light->magnification = 20;
  light->standOn = 1;
  light->gradientTop = 0x00401808;     // colour references: deep blue
  light->gradientBottom = 0x00E0B070;  // pale sky blue
  return light;
}

// Green rain on black, bright where the picture is.
std::unique_ptr<KQ_2D_Light> MatrixCode() {
  auto light = std::make_unique<KQ_MatrixCodeLight>();
  light->cellSize = 14;
  light->density = 35;
  light->backgroundMode = 1;
  light->trailColour = 0x0040E040;
  light->headColour = 0x00E0FFE0;
  return light;
}

std::unique_ptr<KQ_2D_Light> Underwater() {
  auto light = std::make_unique<FakeUndervater>();
  light->camera.zoom.Set(112);
  return light;
}

// Flames along the foot of the picture, their roots a little below it, and the heat haze.
std::unique_ptr<KQ_2D_Light> Flames() {
  auto light = std::make_unique<FirstFlameLight>();
  light->fireOffset = 12;
  return light;
}

// The lower 35 % of the picture a rippled mirror of the band above it.
std::unique_ptr<KQ_2D_Light> MirrorLake() {
  auto light = std::make_unique<FakeLake2D>();
  light->bumpKey = LakeRipplesKey();
  light->lakeShare.Set(30);
  return light;
}

// Two drops a second, rings that bend the picture and glint on their slopes.
std::unique_ptr<KQ_2D_Light> RainRings() {
  auto light = std::make_unique<KQ_WaterRingLight>();
  light->dropRate.Set(120);
  light->dropStrength = 100;
  light->depth = 40;
  light->shininess.Set(25);
  return light;
}

}  // namespace

const std::vector<EffectLightSlide>& EffectLightSlides() {
  static const std::vector<EffectLightSlide> slides = {
      {L"Meadow in a glass ball", 2, GlassBall, 2, 8, 2},
      {L"Code rain over the mountains", 0, MatrixCode, 2, 8, 2},
      {L"Coast under water", 3, Underwater, 2, 8, 2},
      {L"Hearth at dawn", 0, Flames, 2, 8, 2},
      {L"Mirror lake", 1, MirrorLake, 2, 8, 2},
      {L"Rain on the bay", 3, RainRings, 2, 8, 2},
  };
  return slides;
}

}  // namespace demo_show
