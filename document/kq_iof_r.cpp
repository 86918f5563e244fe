#include "document/kq_iof_r.h"

#include "document/archive_string.h"

static_assert(sizeof(unsigned long) == 4 && sizeof(int) == 4 && sizeof(wchar_t) == 2,
              "the stored layout is that of 32-bit Windows");

void KQ_IOF_R<ResourceBuffer>::ReadString(kq_string& value) {
  if (buffer_.Failed()) return;
  const size_t used = ReadArchiveStringFromMemory(buffer_.Cursor(), buffer_.Remaining(), value);
  if (used == 0) {
    buffer_.MarkFailed();
    return;
  }
  buffer_.Take(used);
}

void KQ_IOF_R<ResourceBuffer>::ReadDataBlob(DataBlob& value) {
  uint32_t size = 0;
  if (const uint8_t* p = buffer_.Take(4)) std::memcpy(&size, p, 4);
  const uint8_t* bytes = buffer_.Take(size);  // checked against what remains before copying
  kq_string name = value.name;
  ReadString(name);
  if (buffer_.Failed()) return;
  value.bytes.assign(bytes, bytes + size);
  value.name = std::move(name);
}

void KQ_IOF_R<ResourceBuffer>::ReadEmbeddedData(KQ_EmbeddedData& value) {
  int32_t id = value.id;
  kq_string module = value.module;
  ReadRaw(id);
  ReadString(module);
  ReadDataBlob(value);  // changes nothing when it fails
  if (buffer_.Failed()) return;
  value.id = id;
  value.module = std::move(module);
}

void KQ_IOF_R<ResourceBuffer>::ReadPoint(POINT& value) {
  POINT point = value;
  ReadRaw(point.x);
  ReadRaw(point.y);
  if (!buffer_.Failed()) value = point;
}

void KQ_IOF_R<ResourceBuffer>::ReadBool(bool& value) {
  if (const uint8_t* p = buffer_.Take(1)) value = *p != 0;
}
