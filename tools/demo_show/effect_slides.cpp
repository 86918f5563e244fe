#include "tools/demo_show/effect_slides.h"

#include <functional>
#include <memory>

#include "items/fullscreen/kq_background_copy.h"
#include "items/fullscreen/kq_fire_fx.h"
#include "items/fullscreen/kq_move_fx.h"
#include "items/fullscreen/kq_pattern_brush.h"
#include "items/fullscreen/kq_water_fx.h"
#include "items/fullscreen/kq_waves_fx.h"
#include "tools/demo_show/demo_show.h"
#include "tools/demo_show/older_sections.h"
#include "tools/demo_show/slide_building.h"

namespace demo_show {
namespace {

const FileLinkKey LatticeTile{L"lattice_tile.png", 1};
const FileLinkKey StainedGlassTile{L"stained_glass_tile.png", 1};

struct EffectSlide {
  const wchar_t* name;
  size_t picture;  // which of the show's pictures lies under the effect
  std::function<std::unique_ptr<KQ_ABObj_Constructor>()> make;
};

const EffectSlide EffectSlides[] = {
    {L"Lattice", 1,
     [] {
       auto brush = std::make_unique<KQ_PatternBrush>();
       brush->patternImage.Store(LatticeTile);
       brush->patternScale.Set(60);  // 77-pixel tiles on the 1024-pixel picture
       brush->rotation = 15;
       return brush;
     }},
    {L"Coast through stained glass", 3,
     [] {
       auto brush = std::make_unique<KQ_PatternBrushC>();
       brush->patternImage.Store(StainedGlassTile);
       brush->patternScale.Set(400);  // panes of 256 pixels on the 1024-pixel picture
       return brush;
     }},
    {L"Echo", 3,
     [] {
       auto copy = std::make_unique<KQ_BackgroundCopy>();
       copy->copyRect.first_extra = 28;   // the ghost lies to the right and a little below
       copy->copyRect.second_extra = 10;
       return copy;
     }},
    {L"Glow of dawn", 0,
     [] {
       auto pulse = std::make_unique<LightPulseOverFirstEffect>();
       pulse->speed.Set(4);  // a slow breath: about 8 s a pulse
       pulse->strength.Set(35);
       return pulse;
     }},
    {L"Ripples on the lake", 1,
     [] {
       auto waves = std::make_unique<KQ_WavesFX>();
       waves->angle.Set(80);
       waves->amplitude.Set(20);
       waves->frequency.Set(120);
       return waves;
     }},
    {L"Tide", 3, [] { return std::make_unique<KQ_WaterFX>(); }},
    {L"Summer breeze", 2,
     [] {
       auto move = std::make_unique<KQ_MoveFX>();
       move->magnitude.Set(25);
       move->angle.Set(10);
       return move;
     }},
    {L"Grass fire", 2,
     [] {
       // Flames along the bottom third of the picture, the pattern twice across.
       auto fire = std::make_unique<KQ_FireFX>();
       const D3DXVECTOR3 corners[4] = {{0, 470, 0}, {0, 768, 0}, {1024, 470, 0}, {1024, 768, 0}};
       for (int i = 0; i < 4; ++i) fire->corners.corners[i] = corners[i];
       fire->patternSize.Set(50);
       return fire;
     }},
};

}  // namespace

void AddEffectSlides(KQ_SlideShow_Light& show, KQ_DocResManager& manager) {
  CarryPicture(manager, LatticeTile, PngBytes(MakeLatticeTile()));
  CarryPicture(manager, StainedGlassTile, PngBytes(MakeStainedGlassTile()));
  for (const EffectSlide& effect : EffectSlides) {
    ItemList items;
    items.push_back(effect.make());
    AddSlide(show, effect.name, {1, 7, 1}, DriftingLight(DemoPictureLink(effect.picture), 110, 30),
             std::move(items));
  }
}

}  // namespace demo_show
