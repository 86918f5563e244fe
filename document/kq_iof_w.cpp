#include "document/kq_iof_w.h"

#include "document/archive_string.h"

void KQ_IOF_W::WriteString(const kq_string& value) { AppendArchiveString(bytes_, value); }

void KQ_IOF_W::WriteDataBlob(const DataBlob& value) {
  Append(value.Size());
  bytes_.insert(bytes_.end(), value.bytes.begin(), value.bytes.end());
  WriteString(value.name);
}

void KQ_IOF_W::WriteEmbeddedData(const KQ_EmbeddedData& value) {
  Append(value.id);
  WriteString(value.module);
  WriteDataBlob(value);
}

void KQ_IOF_W::WritePoint(const POINT& value) {
  Append(value.x);
  Append(value.y);
}
