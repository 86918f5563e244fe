// The settings level that gives an item a place on the picture and a clock of its own.
//
// The place is held twice: as fractions of the current picture's size, which everything at run
// time uses, and as a rectangle in whole picture pixels for an editing host; bindings keep the
// fractions in step with the rectangle. Binding pushes the fractions into the rectangle first,
// so a copy made for a run-time item snaps its area to whole pixels of the picture set up then.
//
// The clock turns the application time of each frame into a capped, speed-scaled step
// (speed 50 = real time) and a running scaled time, by which the item's particles move.
#pragma once

#include <d3dx9math.h>

#include "document/media_param_t.h"
#include "document/media_rectangle.h"
#include "document/owned_control_list.h"
#include "items/kq_abobj_constructor.h"

class KQ_ViewObjCtrl : public KQ_ABObj_Constructor {
public:
  KQ_ViewObjCtrl();
  // Copies the place, speed and flag; the rectangle and the clock start afresh.
  KQ_ViewObjCtrl(const KQ_ViewObjCtrl& other);
  KQ_ViewObjCtrl& operator=(const KQ_ViewObjCtrl&) = delete;

  void Write(KQ_IOF_Virtual& stream) const override;
  // This level's fields (the speed from version 2 on), then the item section.
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  // Advances the clock to application time t.
  void Step(float t);

  // The area's edges in picture pixels.
  float AreaLeft() const;
  float AreaRight() const;
  float AreaTop() const;
  float AreaBottom() const;

  // A random x across the area and a random y down it, one draw each, with the edges moved
  // inwards by `inset`.
  float RandomXAcrossArea(float inset = 0) const;
  float RandomYDownArea(float inset = 0) const;
  // A random point of the area (x drawn first).
  D3DXVECTOR3 RandomPointInArea() const;
  // The same with the edges moved inwards by the given half sizes.
  D3DXVECTOR3 RandomPointInsetInArea(float halfWidth, float halfHeight) const;

  MediaRectangle rectangle;             // picture pixels, for an editing host
  MediaParamT<unsigned int> speed{50};  // 50 is real time
  bool storedFlag = false;              // stored and copied; nothing in the player reads it
  float leftFraction = 0;               // of the picture width
  float rightFraction = 1;
  float topFraction = 0;                // of the picture height, y down
  float bottomFraction = 1;
  float timeStep = 0;                   // scaled seconds of the last Step
  float scaledTime = 0;                 // sum of all steps
  float frameSeconds = 0;               // real seconds of the last Step, capped at 0.1
  float lastTime = 0;                   // application time of the last Step

private:
  // The fractions, in whole picture pixels, into the rectangle; then the rectangle's edges
  // bound back to the fractions.
  void BindArea();
  void PushAreaToRectangle();
  void SetLeftFromRectangle(int left);
  void SetRightFromRectangle(int right);
  void SetTopFromRectangle(int top);
  void SetBottomFromRectangle(int bottom);

  OwnedControlList<KQ_ViewObjCtrl> bindings_{this};
};
