// A control that watches one setting of type P. It is in that setting's list exactly while it
// watches it: attaching elsewhere leaves the old setting first, and destroying the control
// takes it out of the list of a setting that still lives.
#pragma once

#include "document/media_param.h"

template <class P>
class MediaControlT : public MediaControl {
public:
  ~MediaControlT() override {
    if (watched_) watched_->RemoveControl(this);
  }

  void Detach() override { watched_ = nullptr; }

  // Watches `parameter` and brings this control up to date with it at once.
  void Attach(P& parameter) {
    Watch(parameter);
    OnChanged(nullptr);
  }

  P* Watched() const { return watched_; }

protected:
  // Watches `parameter` without telling this control anything yet.
  void Watch(P& parameter) {
    if (watched_ && watched_ != &parameter) watched_->RemoveControl(this);
    watched_ = &parameter;
    parameter.AddControl(this);
  }

private:
  P* watched_ = nullptr;
};
