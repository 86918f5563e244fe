// The run-time object of a scene item: made by its settings object's CreateObject, it owns its
// own copy of the settings, is updated once per frame in item order and drawn from the last
// item to the first, through the slide's light.
#pragma once

#include <memory>

#include "items/kq_abobj_constructor.h"

class KQ_ABRender;

class KQ_ABObj {
public:
  explicit KQ_ABObj(std::unique_ptr<KQ_ABObj_Constructor> settings)
      : settings_(std::move(settings)) {}
  KQ_ABObj(const KQ_ABObj&) = delete;
  KQ_ABObj& operator=(const KQ_ABObj&) = delete;
  virtual ~KQ_ABObj() = default;

  // Draws the item through the slide's light.
  virtual void Draw(KQ_ABRender& light) = 0;
  // Moves the item to application time t (seconds), the time the light has just moved to.
  virtual void Update(float t) = 0;
  // 1 when the item draws with the scene drawn before it (the light captures it), else 0.
  virtual int NeedsSceneCapture() const { return 0; }
  // True when the item's draw writes every pixel of the picture's quad, unblended, without
  // reading the target: drawn first, it leaves nothing of the picture drawn before it.
  virtual bool HidesPicture() const { return false; }

  KQ_ABObj_Constructor& Settings() const { return *settings_; }

private:
  std::unique_ptr<KQ_ABObj_Constructor> settings_;
};
