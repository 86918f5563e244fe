#include "tools/demo_show/slide_building.h"

#include <objbase.h>

#include "show/kq_slide_container.h"
#include "tools/pack_images/png_writer.h"

namespace demo_show {

std::unique_ptr<KQ_2D_Light> DriftingLight(const FileLinkKey& picture, unsigned zoom,
                                           unsigned speed) {
  auto light = std::make_unique<KQ_2D_Light>();
  light->pictureLink.Store(picture);
  light->camera.on = 1;
  light->camera.zoom.Set(zoom);
  light->camera.speed.Set(speed);
  return light;
}

void AddSlide(KQ_SlideShow_Light& show, const wchar_t* name, SlideTimes times,
              std::unique_ptr<KQ_2D_Light> light, ItemList items) {
  auto slide = std::make_unique<KQ_SlideContainer>();
  slide->fadeIn = times.fadeIn;
  slide->display = times.display;
  slide->fadeOut = times.fadeOut;
  slide->name = name;
  slide->SetLight(std::move(light));
  for (auto& item : items) slide->AddItemSettings(std::move(item));
  show.AddSlide(std::move(slide));
}

std::vector<uint8_t> PngBytes(const pack_images::Image& image) {
  std::vector<uint8_t> bytes;
  // The encoder is a COM object; the caller may or may not have COM running already.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  const HRESULT encoded =
      pack_images::EncodeImage(image, true, pack_images::ImageFileFormat::Png, bytes);
  if (SUCCEEDED(com)) CoUninitialize();
  if (FAILED(encoded)) bytes.clear();
  return bytes;
}

void CarryPicture(KQ_DocResManager& manager, const FileLinkKey& link, std::vector<uint8_t> bytes) {
  KQ_EmbeddedData file;
  file.name = link.path;
  file.bytes = std::move(bytes);
  manager.GetResourceCache().imageBlobs[link] = {file};
}

}  // namespace demo_show
