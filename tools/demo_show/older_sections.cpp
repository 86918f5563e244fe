#include "tools/demo_show/older_sections.h"

#include "document/setting_stream.h"

namespace demo_show {

void FirstStillPicture::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, ClassName, 1);
  WriteSettings(stream, placement, rotation, flipVertical, mirror);
  // Version 4 ends with the source kind: no flip flags, no refill flag.
  WriteSectionHeader(stream, L"KQ_BaseSpriteProp", 4);
  KQ_ViewObjCtrl::Write(stream);
  WriteVersion4Fields(stream);
}

}  // namespace demo_show
