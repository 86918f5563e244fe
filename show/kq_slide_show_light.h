// The root of the project document and the slide-show player of one monitor. It holds the slides
// and the background music list, decides which slide is current, fades between slides with one
// full-screen black quad whose opacity it sets every frame, and drives the current slide's light
// and items through frame move, render and device loss.
//
// The screen player calls, in this order: InitSlide on every slide, SetPicturePosition, then
// every frame FrameMove and (between BeginScene and EndScene) Render; InvalidateDeviceObjects
// before a device reset and RestoreDeviceObjects after it. Should a frame come between the two,
// its FrameMove restores the current light first, so no light ever draws with what the reset
// took away. A show without slides plays nothing.
#pragma once

#include <memory>
#include <vector>

#include "document/kq_iof_item.h"
#include "render/color_screen_quad.h"
#include "show/kq_audio_file.h"
#include "show/kq_slide_container.h"
#include "show/ref_holder.h"
#include "show/slide_timing.h"

class KQ_SlideShow_Light : public KQ_IOF_Item {
public:
  static constexpr unsigned long CurrentVersion = 1;

  KQ_SlideShow_Light();
  ~KQ_SlideShow_Light() override;

  void Write(KQ_IOF_Virtual& stream) const override;
  // Draws the current slide and the fade; nothing before the first FrameMove.
  virtual void Render();
  // Every slide's light lets go of what a device reset would not keep.
  virtual void InvalidateDeviceObjects();
  // The current slide's light makes them again; the others do when their slide next starts.
  virtual void RestoreDeviceObjects();
  // Moves the show to application time t (seconds): slide timing and fade, on a slide change
  // the light of the slide that ended lets go of its device objects and the new slide restarts;
  // then the slide's light and items.
  virtual void FrameMove(float t);

  // Every slide's light lays its picture out in `position` (Stretch, Fit, Fill).
  void SetPicturePosition(int position);

  // A count, then that many slide sections, each read by its class name; stops at a failure.
  void ReadSlides(KQ_IOF_Virtual& stream);
  // A count, then that many audio records; stops at a failure.
  void ReadAudioFiles(KQ_IOF_Virtual& stream);

  void AddSlide(std::unique_ptr<KQ_SlideContainer> slide);
  void AddAudioFile(std::unique_ptr<KQ_AudioFile> record);
  const std::vector<RefHolder<KQ_SlideContainer>>& Slides() const { return slides_; }
  const std::vector<RefHolder<KQ_AudioFile>>& AudioFiles() const { return audioFiles_; }
  // The slide playing now; null before the first FrameMove.
  KQ_SlideContainer* CurrentSlide() const { return current_.Get(); }

private:
  // The current slide has just become current: sized to the back buffer, its camera and items
  // restarted, its light's device objects restored.
  void RestartSlide();

  RefHolder<KQ_SlideContainer> current_;
  std::vector<RefHolder<KQ_SlideContainer>> slides_;
  std::vector<RefHolder<KQ_AudioFile>> audioFiles_;
  SlideSchedule schedule_;
  std::unique_ptr<ColorScreenQuad> fadeQuad_;  // made on the first FrameMove
  bool currentLightLost_ = false;  // invalidated and not restored since
};
