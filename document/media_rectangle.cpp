#include "document/media_rectangle.h"

#include "document/setting_stream.h"

KQ_IOF_Virtual& MediaRectangle::Read(KQ_IOF_Virtual& stream) {
  ReadSettings(stream, left, right, top, bottom, first_extra, second_extra);
  return stream;
}

KQ_IOF_Virtual& MediaRectangle::Write(KQ_IOF_Virtual& stream) const {
  WriteSettings(stream, left, right, top, bottom, first_extra, second_extra);
  return stream;
}

bool MediaRectangle::Contains(float x, float y) const {
  return static_cast<float>(left.Get()) <= x && x <= static_cast<float>(right.Get()) &&
         static_cast<float>(top.Get()) <= y && y <= static_cast<float>(bottom.Get());
}
