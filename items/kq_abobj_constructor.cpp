#include "items/kq_abobj_constructor.h"

#include "document/setting_stream.h"

void KQ_ABObj_Constructor::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_ABObj_Constructor", CurrentVersion);
  WriteSetting(stream, objectName);
}

void KQ_ABObj_Constructor::ReadConstructorSection(KQ_IOF_Virtual& stream) {
  ReadSectionHeader(stream);
  ReadSetting(stream, objectName);
}
