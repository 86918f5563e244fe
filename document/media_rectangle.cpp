#include "document/media_rectangle.h"

#include "document/setting_stream.h"
#include "render/view_frame.h"

KQ_IOF_Virtual& MediaRectangle::Read(KQ_IOF_Virtual& stream) {
  ReadSettings(stream, left, right, top, bottom, first_extra, second_extra);
  return stream;
}

KQ_IOF_Virtual& MediaRectangle::Write(KQ_IOF_Virtual& stream) const {
  WriteSettings(stream, left, right, top, bottom, first_extra, second_extra);
  return stream;
}

bool MediaRectangle::HitTest(float x, float y) const {
  const D3DXVECTOR3 q =
      TheViewFrame.ScreenToPicture(x * TheViewFrame.scaleX, y * TheViewFrame.scaleY, 0.0f);
  return static_cast<float>(left.Get()) <= q.x && q.x <= static_cast<float>(right.Get()) &&
         static_cast<float>(top.Get()) <= q.y && q.y <= static_cast<float>(bottom.Get());
}
