// An observer of a setting. A setting tells its controls about every change of its value;
// the control that caused a change is skipped, so a control that writes back into its own
// setting (an undo step) never hears its own echo.
#pragma once

class MediaControl {
public:
  MediaControl() = default;
  MediaControl(const MediaControl&) = delete;
  MediaControl& operator=(const MediaControl&) = delete;
  virtual ~MediaControl() = default;

  // The watched setting is being destroyed: forget it without touching it again.
  virtual void Detach() {}
  // The watched value changed; `source` is the control that caused it, or null.
  virtual void OnChanged(MediaControl* source) = 0;

  void NotifyIfNotSource(MediaControl* source) {
    if (source != this) OnChanged(source);
  }
};
