// Base of every setting and of the file links: a value (in the subclasses) together with the
// controls that watch it. The setting does not own its controls; each control removes itself
// when it is destroyed first, and is told to forget the setting when the setting goes first.
//
// A document class declares a setting once, with its default (and scale), binds it in its
// constructor and lists it in its section's read and write:
//
//   UINTSclaleTo<float> amplitude{50, 0.00025f};    // result 0.0125
//   bindings.BindFunLightCtrl2(&KQ_WavesFX::OnDirectionChanged, angle);
//   ReadSettings(stream, amplitude, frequency, angle, parallelNormal);
#pragma once

#include <vector>

#include "document/media_control.h"

class MediaParam {
public:
  MediaParam() = default;
  // A copy is a new setting: it watches nothing of the original's controls.
  MediaParam(const MediaParam&) {}
  MediaParam& operator=(const MediaParam&) { return *this; }
  virtual ~MediaParam();

  // Tells every control, in attach order, except `source`.
  void NotifyObservers(MediaControl* source);

  // Appends a control that is not yet attached; attaching twice changes nothing.
  void AddControl(MediaControl* control);
  void RemoveControl(MediaControl* control);
  const std::vector<MediaControl*>& Controls() const { return controls_; }

private:
  std::vector<MediaControl*> controls_;
};
