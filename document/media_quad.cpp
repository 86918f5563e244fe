#include "document/media_quad.h"

#include "document/setting_stream.h"

KQ_IOF_Virtual& MediaQuad::Read(KQ_IOF_Virtual& stream) {
  ReadSettings(stream, corners[0], corners[1], corners[2], corners[3]);
  return stream;
}

KQ_IOF_Virtual& MediaQuad::Write(KQ_IOF_Virtual& stream) const {
  WriteSettings(stream, corners[0], corners[1], corners[2], corners[3]);
  return stream;
}
