// The demo show's slide of 3D items: monarch butterflies over the forest lake, the clock in the
// sky at the right, and autumn leaves drifting down across the scene.
#include <objbase.h>

#include <memory>

#include "items/objects3d/kq_3d_in_2d_array_constructor.h"
#include "items/objects3d/kq_butterfly_constructor.h"
#include "items/objects3d/kq_clock_constructor.h"
#include "tools/demo_show/demo_objects.h"
#include "tools/pack_images/png_writer.h"

namespace demo_show {
namespace {

const FileLinkKey WingPicture{L"butterfly_wing.png", 11};

// The picture as the bytes of a PNG file named `name`, alpha kept.
bool EncodedPicture(const pack_images::Image& image, const wchar_t* name, KQ_EmbeddedData& file) {
  file.name = name;
  return SUCCEEDED(pack_images::EncodeImage(image, true, pack_images::ImageFileFormat::Png,
                                            file.bytes));
}

std::unique_ptr<KQ_ButterflyConstructor> Butterflies() {
  auto butterflies = std::make_unique<KQ_ButterflyConstructor>();
  butterflies->objectName = L"butterflies";
  butterflies->imageLink.Store(WingPicture);
  butterflies->objectCount = 5u;
  butterflies->objectSize = 120u;
  // Over the near shore and the water, below the clock.
  butterflies->leftFraction = 0.05f;
  butterflies->rightFraction = 0.7f;
  butterflies->topFraction = 0.35f;
  butterflies->bottomFraction = 0.9f;
  return butterflies;
}

std::unique_ptr<KQ_ClockConstructor> Clock() {
  auto clock = std::make_unique<KQ_ClockConstructor>();
  clock->objectName = L"clock";
  clock->objectSize = 260u;
  clock->clockRectangle.first_extra = 820;
  clock->clockRectangle.second_extra = 190;
  return clock;
}

std::unique_ptr<KQ_3D_in_2D_array_Constructor> Leaves(KQ_EmbeddedData picture) {
  auto leaves = std::make_unique<KQ_3D_in_2D_array_Constructor>();
  leaves->objectName = L"falling leaves";
  const std::string mesh = MakeLeafMesh();
  leaves->meshData.name = L"autumn_leaf.x";
  leaves->meshData.bytes.assign(mesh.begin(), mesh.end());
  leaves->textureData = std::move(picture);
  leaves->count = 28u;
  DriftParameters& motion = leaves->motion;
  motion.size = 54u;
  motion.speed = 40u;
  motion.sway = 45u;
  motion.swayChangeRate = 4u;
  motion.spin = 100u;
  motion.SetHeading(285);  // down, drifting a little to the right
  return leaves;
}

}  // namespace

bool AddGardenSlide(KQ_SlideShow_Light& show, KQ_DocResManager& manager,
                    const FileLinkKey& picture) {
  if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return false;
  KQ_EmbeddedData wing, leaf;
  const bool encoded = EncodedPicture(MakeButterflyWing(), WingPicture.path.c_str(), wing) &&
                       EncodedPicture(MakeAutumnLeaf(), L"autumn_leaf.png", leaf);
  CoUninitialize();
  if (!encoded) return false;
  manager.GetResourceCache().imageBlobs[WingPicture] = {wing};

  auto light = std::make_unique<KQ_2D_Light>();
  light->pictureLink.Store(picture);
  light->camera.on = 1;
  light->camera.zoom.Set(108);
  light->camera.speed.Set(30);
  auto slide = std::make_unique<KQ_SlideContainer>();
  slide->fadeIn = 2u;
  slide->display = 12u;
  slide->fadeOut = 2u;
  slide->name = L"Butterflies, a clock and falling leaves";
  slide->SetLight(std::move(light));
  // The first item is drawn last, on top: the butterflies over the leaves over the clock.
  slide->AddItemSettings(Butterflies());
  slide->AddItemSettings(Leaves(std::move(leaf)));
  slide->AddItemSettings(Clock());
  show.AddSlide(std::move(slide));
  return true;
}

}  // namespace demo_show
