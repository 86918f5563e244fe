#include "show/kq_slide_container.h"

#include "document/class_registry.h"
#include "document/setting_stream.h"
#include "render/pass_marks.h"

REGISTER_DOCUMENT_FAMILY_CLASS(KQ_SlideContainer, KQ_SlideContainer);

void KQ_SlideContainer::Read(KQ_IOF_Virtual& stream, unsigned long) {
  ReadSettings(stream, fadeIn, fadeOut, display, tag, name);
  std::unique_ptr<KQ_2D_Light> light = ReadFamilyByClassName<KQ_2D_Light>(stream);
  if (!light) return;  // the stream has failed
  light_ = RefHolder<KQ_2D_Light>(std::move(light));
  unsigned long count = 0;
  stream.ReadULong(count);
  for (unsigned long i = 0; i < count && !stream.Failed(); ++i) {
    std::unique_ptr<KQ_IOF_Item> item = ReadObjectByClassName(stream);
    auto* settings = dynamic_cast<KQ_ABObj_Constructor*>(item.get());
    if (!settings) {
      stream.MarkFailed();  // a registered class that is no item's settings
      return;
    }
    item.release();
    itemSettings_.emplace_back(settings);
  }
}

void KQ_SlideContainer::Write(KQ_IOF_Virtual& stream) const {
  if (!light_.Get()) {
    stream.MarkFailed();
    return;
  }
  WriteSectionHeader(stream, L"KQ_SlideContainer", CurrentVersion);
  WriteSettings(stream, fadeIn, fadeOut, display, tag, name);
  light_->Write(stream);
  // Before InitSlide the settings are the list read; after it, the run-time items' own copies.
  stream.WriteULong(static_cast<unsigned long>(items_.size() + itemSettings_.size()));
  for (const RefHolder<KQ_ABObj>& item : items_) item->Settings().Write(stream);
  for (const auto& settings : itemSettings_) settings->Write(stream);
}

SlideDurations KQ_SlideContainer::Durations() const {
  return {static_cast<float>(fadeIn.Get()), static_cast<float>(fadeOut.Get()),
          static_cast<float>(display.Get())};
}

void KQ_SlideContainer::InitSlide() {
  if (KQ_2D_Light* light = light_.Get()) {
    light->InitDeviceObjects();
    light->Resize(1, 1);
  }
  for (const auto& settings : itemSettings_) {
    // An item that could not be made is left out rather than drawn as nothing every frame.
    if (std::unique_ptr<KQ_ABObj> item = settings->CreateObject()) {
      items_.emplace_back(std::move(item));
    }
  }
  itemSettings_.clear();
}

void KQ_SlideContainer::InvalidateDeviceObjects() {
  if (KQ_2D_Light* light = light_.Get()) light->InvalidateDeviceObjects();
}

void KQ_SlideContainer::FrameMove(float t) {
  if (KQ_2D_Light* light = light_.Get()) light->FrameMove(t);
  for (const RefHolder<KQ_ABObj>& item : items_) item->Update(t);
}

void KQ_SlideContainer::RenderSlide() {
  KQ_2D_Light* light = light_.Get();
  if (!light) return;
  int captures = 0;
  for (auto item = items_.rbegin(); item != items_.rend(); ++item) {
    captures += (*item)->NeedsSceneCapture();
  }
  if (light->NeedsSceneCapture()) ++captures;
  if (captures > 0) light->BeginSceneCapture();
  // Items draw from the last to the first.
  const bool covered = !items_.empty() && items_.back()->HidesPicture();
  light->RenderBackground(covered ? PictureDraw::Hidden : PictureDraw::Shown);
  EndOfPass("picture");
  DrawItems(*light, items_, captures);
}

void KQ_SlideContainer::RenderEffect() {
  if (KQ_2D_Light* light = light_.Get()) light->RenderEffect();
}

void KQ_SlideContainer::Resize(int width, int height) {
  if (KQ_2D_Light* light = light_.Get()) light->Resize(width, height);
}

void KQ_SlideContainer::Restart() {
  for (const RefHolder<KQ_ABObj>& item : items_) item->Settings().Restart();
  if (KQ_2D_Light* light = light_.Get()) light->RestoreDeviceObjects();
}

void KQ_SlideContainer::SetPicturePosition(int position) {
  if (KQ_2D_Light* light = light_.Get()) light->SetPicturePosition(position);
}
