#include "document/media_rectangle.h"

#include "document/setting_stream.h"
#include "render/picture_layout.h"

KQ_IOF_Virtual& MediaRectangle::Read(KQ_IOF_Virtual& stream) {
  ReadSettings(stream, left, right, top, bottom, first_extra, second_extra);
  return stream;
}

KQ_IOF_Virtual& MediaRectangle::Write(KQ_IOF_Virtual& stream) const {
  WriteSettings(stream, left, right, top, bottom, first_extra, second_extra);
  return stream;
}

bool MediaRectangle::HitTest(float x, float y) const {
  const ViewFrame& frame = CurrentViewFrame();
  const D3DXVECTOR3 q =
      frame.ScreenToPicture(x * frame.scaleX, y * frame.scaleY, 0.0f, CurrentPictureView());
  return static_cast<float>(left.Get()) <= q.x && q.x <= static_cast<float>(right.Get()) &&
         static_cast<float>(top.Get()) <= q.y && q.y <= static_cast<float>(bottom.Get());
}
