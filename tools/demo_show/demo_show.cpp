#include "tools/demo_show/demo_show.h"

#include "document/doc_res_manager.h"
#include "document/project_document.h"
#include "tools/demo_show/demo_pictures.h"
#include "tools/demo_show/item_slides.h"

namespace demo_show {

const std::vector<DemoSlide>& DemoSlides() {
  static const std::vector<DemoSlide> slides = {
      {L"Mountains at dawn", L"mountains_at_dawn.jpg", MakeMountainsAtDawn, 2, 9, 2, 115, 40},
      {L"Forest lake", L"forest_lake.jpg", MakeForestLake, 2, 9, 2, 120, 35},
      {L"Meadow", L"meadow.jpg", MakeMeadow, 2, 9, 2, 112, 45},
      {L"Coast", L"coast.jpg", MakeCoast, 2, 9, 2, 118, 40},
  };
  return slides;
}

void WriteDemoShow(KQ_IOF_Virtual& out, const std::vector<std::vector<uint8_t>>& pictureFiles,
                   const std::vector<std::vector<uint8_t>>& spriteFiles) {
  KQ_SlideShow_Light show;
  KQ_DocResManager manager;
  std::vector<FileLinkKey> pictures;
  for (size_t i = 0; i < DemoSlides().size(); ++i) {
    const DemoSlide& demo = DemoSlides()[i];
    // The picture is an embedded file: the link names it, the manager's map holds its bytes.
    const FileLinkKey picture{demo.pictureFile, static_cast<int64_t>(i + 1)};
    KQ_EmbeddedData file;
    file.name = demo.pictureFile;
    file.bytes = pictureFiles[i];
    manager.GetResourceCache().imageBlobs[picture] = {file};
    pictures.push_back(picture);

    auto light = std::make_unique<KQ_2D_Light>();
    light->pictureLink.Store(picture);
    light->camera.on = 1;
    light->camera.zoom.Set(demo.zoom);
    light->camera.speed.Set(demo.speed);
    auto slide = std::make_unique<KQ_SlideContainer>();
    slide->fadeIn = demo.fadeIn;
    slide->display = demo.display;
    slide->fadeOut = demo.fadeOut;
    slide->name = demo.name;
    slide->SetLight(std::move(light));
    show.AddSlide(std::move(slide));
  }
  AddItemSlides(show, manager, pictures, spriteFiles);
  WriteProjectDocument(out, show, manager);
}

}  // namespace demo_show
