// One slide of the show: its fade-in, display and fade-out times, a name, exactly one light
// (the background and the renderer its items draw through) and its items. The document gives
// the items as settings objects; InitSlide, run once per slide before the show starts, turns
// each into its run-time object and lets the settings go.
#pragma once

#include <memory>
#include <vector>

#include "document/kq_iof_item.h"
#include "document/media_param_t.h"
#include "document/media_param_tb.h"
#include "items/kq_abobj.h"
#include "show/kq_2d_light.h"
#include "show/ref_holder.h"
#include "show/slide_timing.h"

class KQ_SlideContainer : public KQ_IOF_Item {
public:
  static constexpr unsigned long CurrentVersion = 1;

  void Read(KQ_IOF_Virtual& stream, unsigned long version);
  // A slide without a light cannot be stored: the stream is marked failed.
  void Write(KQ_IOF_Virtual& stream) const override;

  // Creates the light's device objects, sizes it 1 x 1 (the real size follows when the slide
  // starts) and makes the run-time items, in document order.
  void InitSlide();
  virtual void InvalidateDeviceObjects();

  RefHolder<KQ_2D_Light> GetLight() const { return light_; }
  void SetLight(std::unique_ptr<KQ_2D_Light> light) {
    light_ = RefHolder<KQ_2D_Light>(std::move(light));
  }
  void AddItemSettings(std::unique_ptr<KQ_ABObj_Constructor> settings) {
    itemSettings_.push_back(std::move(settings));
  }
  const std::vector<RefHolder<KQ_ABObj>>& Items() const { return items_; }
  SlideDurations Durations() const;

  // The light moves to t, then every item, first to last.
  void FrameMove(float t);
  // Scene capture when the light or an item needs it, the background, the items last to first.
  void RenderSlide();
  // The light's pass over the finished scene.
  void RenderEffect();
  void Resize(int width, int height);
  // The slide became current: every item's settings restart, then the light restores its
  // device objects.
  void Restart();
  void SetPicturePosition(int position);

  MediaParamT<unsigned int> fadeIn{1};   // seconds
  MediaParamT<unsigned int> fadeOut{1};  // seconds
  MediaParamT<unsigned int> display{10}; // seconds
  MediaParamT<int> tag{0};               // stored with the slide; nothing reads it
  MediaParamTB<kq_string> name;

private:
  RefHolder<KQ_2D_Light> light_;
  std::vector<RefHolder<KQ_ABObj>> items_;
  std::vector<std::unique_ptr<KQ_ABObj_Constructor>> itemSettings_;  // until InitSlide
};
