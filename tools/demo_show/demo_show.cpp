#include "tools/demo_show/demo_show.h"

#include "document/doc_res_manager.h"
#include "show/project_document.h"
#include "tools/demo_show/demo_music.h"
#include "tools/demo_show/demo_objects.h"
#include "tools/demo_show/demo_pictures.h"
#include "tools/demo_show/effect_slides.h"
#include "tools/demo_show/item_slides.h"
#include "tools/demo_show/lake_ripples.h"
#include "tools/demo_show/slide_building.h"
#include "tools/demo_show/storm_slide.h"

namespace demo_show {

const std::vector<DemoSlide>& DemoSlides() {
  static const std::vector<DemoSlide> slides = {
      {L"Mountains at dawn", L"mountains_at_dawn.jpg", MakeMountainsAtDawn, 2, 7, 2, 115, 40},
      {L"Forest lake", L"forest_lake.jpg", MakeForestLake, 2, 7, 2, 120, 35},
      {L"Meadow", L"meadow.jpg", MakeMeadow, 2, 7, 2, 112, 45},
      {L"Coast", L"coast.jpg", MakeCoast, 2, 7, 2, 118, 40},
      {L"Night lake", L"night_lake.jpg", MakeNightLake, 2, 7, 2, 115, 35},
  };
  return slides;
}

FileLinkKey DemoPictureLink(size_t slide) {
  return {DemoSlides()[slide].pictureFile, static_cast<int64_t>(slide + 1)};
}

void WriteDemoShow(KQ_IOF_Virtual& out, const std::vector<std::vector<uint8_t>>& pictureFiles) {
  KQ_SlideShow_Light show;
  KQ_DocResManager manager;
  for (size_t i = 0; i < DemoSlides().size(); ++i) {
    const DemoSlide& demo = DemoSlides()[i];
    // The picture is an embedded file: the link names it, the manager's map holds its bytes.
    const FileLinkKey picture = DemoPictureLink(i);
    CarryPicture(manager, picture, pictureFiles[i]);
    AddSlide(show, demo.name, {demo.fadeIn, demo.display, demo.fadeOut},
             DriftingLight(picture, demo.zoom, demo.speed));
  }
  for (const EffectLightSlide& demo : EffectLightSlides()) {
    std::unique_ptr<KQ_2D_Light> light = demo.makeLight();
    light->pictureLink.Store(DemoPictureLink(demo.pictureOfSlide));
    light->camera.on = 1;  // every effect light's picture drifts
    AddSlide(show, demo.name, {demo.fadeIn, demo.display, demo.fadeOut}, std::move(light));
  }
  AddEffectSlides(show, manager);
  AddItemSlides(show, manager);
  // The 3D items over the forest lake and the shader effects over the mountains again, the
  // pictures shared with their own slides.
  if (!AddGardenSlide(show, manager, FileLinkKey{DemoSlides()[1].pictureFile, 2}) ||
      !AddStormSlide(show, manager, DemoPictureLink(0))) {
    out.MarkFailed();
    return;
  }
  AddLakeRipples(manager);
  AddDemoMusic(show);
  WriteProjectDocument(out, show, manager);
}

}  // namespace demo_show
