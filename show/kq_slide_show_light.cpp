#include "show/kq_slide_show_light.h"

#include "document/class_registry.h"
#include "render/back_buffer.h"
#include "render/pass_marks.h"
#include "render/screen_quad.h"

namespace {

// Appends the objects `read` delivers until `count` are read or the stream fails.
template <class T, class Read>
void ReadCounted(KQ_IOF_Virtual& stream, std::vector<RefHolder<T>>& holders, Read read) {
  unsigned long count = 0;
  stream.ReadULong(count);
  for (unsigned long i = 0; i < count && !stream.Failed(); ++i) {
    std::unique_ptr<T> object = read();
    if (stream.Failed()) return;
    holders.emplace_back(std::move(object));
  }
}

}  // namespace

KQ_SlideShow_Light::KQ_SlideShow_Light() = default;
KQ_SlideShow_Light::~KQ_SlideShow_Light() = default;

void KQ_SlideShow_Light::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_SlideShow_Light", CurrentVersion);
  stream.WriteULong(static_cast<unsigned long>(slides_.size()));
  for (const RefHolder<KQ_SlideContainer>& slide : slides_) slide->Write(stream);
  stream.WriteULong(static_cast<unsigned long>(audioFiles_.size()));
  for (const RefHolder<KQ_AudioFile>& record : audioFiles_) record->Write(stream);
}

void KQ_SlideShow_Light::ReadSlides(KQ_IOF_Virtual& stream) {
  ReadCounted(stream, slides_, [&] { return ReadFamilyByClassName<KQ_SlideContainer>(stream); });
}

void KQ_SlideShow_Light::ReadAudioFiles(KQ_IOF_Virtual& stream) {
  ReadCounted(stream, audioFiles_, [&] { return ReadAudioFile(stream); });
}

void KQ_SlideShow_Light::AddSlide(std::unique_ptr<KQ_SlideContainer> slide) {
  slides_.emplace_back(std::move(slide));
}

void KQ_SlideShow_Light::AddAudioFile(std::unique_ptr<KQ_AudioFile> record) {
  audioFiles_.emplace_back(std::move(record));
}

void KQ_SlideShow_Light::FrameMove(float t) {
  std::vector<SlideDurations> durations;
  durations.reserve(slides_.size());
  for (const RefHolder<KQ_SlideContainer>& slide : slides_) durations.push_back(slide->Durations());

  const SlideSchedule::Frame frame = schedule_.Advance(t, durations);
  if (!schedule_.Started()) return;
  if (frame.event != SlideSchedule::Event::None) {
    KQ_SlideContainer* ending = current_.Get();
    current_ = slides_[schedule_.Current()];
    // The slide left behind gives back its targets and buffers until it starts again, which
    // restores them; otherwise every slide shown so far would keep its own.
    if (ending && ending != current_.Get()) ending->InvalidateDeviceObjects();
    RestartSlide();
  } else if (currentLightLost_) {
    RestoreDeviceObjects();
  }
  if (frame.event == SlideSchedule::Event::Started) {
    fadeQuad_ = std::make_unique<ColorScreenQuad>();
    fadeQuad_->SetRectAndColor(0x00000000, ScreenQuad::FullScreen());
  }
  if (frame.fades) fadeQuad_->SetCornerAlphas(frame.alpha, frame.alpha, frame.alpha, frame.alpha);
  current_->FrameMove(t);
}

void KQ_SlideShow_Light::RestartSlide() {
  D3DSURFACE_DESC backBuffer;
  GetBackBufferDesc(backBuffer);
  if (backBuffer.Width != 0) {
    current_->Resize(static_cast<int>(backBuffer.Width), static_cast<int>(backBuffer.Height));
  }
  if (KQ_2D_Light* light = current_->GetLight().Get()) light->camera.RestartDrift();
  current_->Restart();
  currentLightLost_ = false;
}

void KQ_SlideShow_Light::Render() {
  KQ_SlideContainer* slide = current_.Get();
  if (!slide || !fadeQuad_) return;
  slide->RenderSlide();
  slide->RenderEffect();
  EndOfPass("effect");
  if (KQ_2D_Light* light = slide->GetLight().Get()) light->DrawFadeQuad(*fadeQuad_);
  EndOfPass("fade");
}

void KQ_SlideShow_Light::InvalidateDeviceObjects() {
  for (const RefHolder<KQ_SlideContainer>& slide : slides_) slide->InvalidateDeviceObjects();
  currentLightLost_ = current_.Get() != nullptr;
}

void KQ_SlideShow_Light::RestoreDeviceObjects() {
  if (!current_.Get()) return;
  if (KQ_2D_Light* light = current_->GetLight().Get()) light->RestoreDeviceObjects();
  currentLightLost_ = false;
}

void KQ_SlideShow_Light::SetPicturePosition(int position) {
  for (const RefHolder<KQ_SlideContainer>& slide : slides_) slide->SetPicturePosition(position);
}
