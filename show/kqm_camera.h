// The slow drift of a slide's picture. When switched on, the camera zooms the picture in by a
// fixed factor and glides the visible window from one random pan to the next with a cosine ease,
// now and then holding still for half a second. It keeps its own clock, which runs at its speed
// setting, so a slow camera also pauses slowly. Its result goes into the current unit's picture
// view, which applies it to the picture and to every item placed through the view.
#pragma once

#include <memory>

#include "document/kq_iof_item.h"
#include "document/media_param_t.h"
#include "document/media_speed_param.h"
#include "document/scaled_param.h"

struct PanZoom {
  float zoom = 1;  // 1: the picture as laid out
  float panX = 0;  // -1 keeps the left edge in place, 0 the centre, +1 the right edge
  float panY = 0;  // the same for the top (-1) and bottom (+1) edges
};

class KQM_Camera : public KQ_IOF_Item {
public:
  static constexpr unsigned long CurrentVersion = 1;

  KQM_Camera() = default;
  KQM_Camera(const KQM_Camera& other) : KQ_IOF_Item(other) { *this = other; }
  // Copies every stored and run-time field; the scaled settings recompute their factors.
  KQM_Camera& operator=(const KQM_Camera& other);

  void Write(KQ_IOF_Virtual& stream) const override;
  // The fields after the section header: on, zoom, speed.
  void ReadFields(KQ_IOF_Virtual& stream);

  // Advances the camera's clock to show time `t` and returns where the picture stands now;
  // apart from the clock and the segments nothing changes.
  PanZoom Advance(float t);
  // Advance, applied to the picture view.
  void UpdateDrift(float t);
  // The slide just became current: the drift runs from here, starting at the centre. Returns
  // whether it ran already.
  bool RestartDrift();
  bool IsDriftOn() const { return driftFlag_; }

  MediaParamT<int> on{0};                  // the camera works only when not 0
  UINTSclaleTo<float> zoom{120, 0.01f};    // zoom factor while drifting
  MediaSpeedParam speed{50, 0.02f};        // rate of the camera's clock (1.0: real time)

private:
  // Starts the segment that begins at clock time c: a half-second hold, or a move to a new
  // random pan lasting 5 to 7 clock seconds (one rand() decides, three more place the move).
  void NextDriftSegment(float c);

  bool driftFlag_ = false;  // set at the first start of the slide; never stored
  float panXFrom_ = 0, panXTo_ = 0;
  float panYFrom_ = 0, panYTo_ = 0;
  float segmentStart_ = 0, segmentEnd_ = 0;  // clock times of the current segment
};

// A whole camera section: header, then the fields.
std::unique_ptr<KQM_Camera> ReadCamera(KQ_IOF_Virtual& stream);
