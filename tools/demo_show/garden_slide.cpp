// The demo show's slide of 3D items: monarch butterflies over the forest lake, the clock in the
// sky at the right, and autumn leaves drifting down across the scene.
#include <memory>

#include "items/objects3d/kq_3d_in_2d_array_constructor.h"
#include "items/objects3d/kq_butterfly_constructor.h"
#include "items/objects3d/kq_clock_constructor.h"
#include "tools/demo_show/demo_objects.h"
#include "tools/demo_show/slide_building.h"

namespace demo_show {
namespace {

const FileLinkKey WingPicture{L"butterfly_wing.png", 11};

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
  std::vector<uint8_t> wing = PngBytes(MakeButterflyWing());
  KQ_EmbeddedData leaf;
  leaf.name = L"autumn_leaf.png";
  leaf.bytes = PngBytes(MakeAutumnLeaf());
  if (wing.empty() || leaf.bytes.empty()) return false;
  CarryPicture(manager, WingPicture, std::move(wing));

  // The butterflies over the leaves over the clock.
  ItemList items;
  items.push_back(Butterflies());
  items.push_back(Leaves(std::move(leaf)));
  items.push_back(Clock());
  AddSlide(show, L"Butterflies, a clock and falling leaves", {2, 10, 2},
           DriftingLight(picture, 108, 30), std::move(items));
  return true;
}

}  // namespace demo_show
