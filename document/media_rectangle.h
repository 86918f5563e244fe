// An integer rectangle in background-picture pixels, with two further values whose meaning
// the owner gives (a centre, a shift). Each of the six is a setting of its own: a change of
// `left` reaches left's controls only, never the rectangle's.
#pragma once

#include "document/kq_iof_virtual.h"
#include "document/media_param_t.h"

class MediaRectangle : public MediaParam {
public:
  MediaParamT<int> left;
  MediaParamT<int> right;
  MediaParamT<int> top;
  MediaParamT<int> bottom;
  MediaParamTB<int> first_extra;
  MediaParamTB<int> second_extra;

  // Six Int in field order, stored straight into the values.
  KQ_IOF_Virtual& Read(KQ_IOF_Virtual& stream);
  KQ_IOF_Virtual& Write(KQ_IOF_Virtual& stream) const;

  // Whether a point, in target units of the current view, lies inside once mapped into
  // picture pixels; the edges belong to the rectangle, and one with left > right or
  // top > bottom holds no point.
  bool HitTest(float x, float y) const;
};

inline void ReadSetting(KQ_IOF_Virtual& stream, MediaRectangle& rectangle) { rectangle.Read(stream); }
inline void WriteSetting(KQ_IOF_Virtual& stream, const MediaRectangle& rectangle) {
  rectangle.Write(stream);
}
