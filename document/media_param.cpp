#include "document/media_param.h"

#include <algorithm>

MediaParam::~MediaParam() {
  for (MediaControl* control : controls_) control->Detach();
}

void MediaParam::NotifyObservers(MediaControl* source) {
  // By index: a control may detach itself (or another) while it is being told.
  for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->NotifyIfNotSource(source);
}

void MediaParam::AddControl(MediaControl* control) {
  if (std::find(controls_.begin(), controls_.end(), control) == controls_.end())
    controls_.push_back(control);
}

void MediaParam::RemoveControl(MediaControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}
