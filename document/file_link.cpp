#include "document/file_link.h"

#include <windows.h>

int32_t EmbeddedLinkCounter = 0;

namespace {

int64_t LastWriteSecondsSince1970(const kq_string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  constexpr int64_t TicksPerSecond = 10000000;              // FILETIME counts 100 ns
  constexpr int64_t TicksFrom1601To1970 = 116444736000000000;
  const int64_t ticks = static_cast<int64_t>(
      (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
      data.ftLastWriteTime.dwLowDateTime);
  return (ticks - TicksFrom1601To1970) / TicksPerSecond;
}

}  // namespace

KQ_FileLink3::KQ_FileLink3(const KQ_EmbeddedData& record) {
  if (record.id != 0) {
    key_ = {record.module, static_cast<int64_t>(static_cast<uint32_t>(record.id))};
  } else {
    key_ = {record.name, EmbeddedLinkCounter};
    // Wraps instead of overflowing, should a process ever make 2^31 of them.
    EmbeddedLinkCounter = static_cast<int32_t>(static_cast<uint32_t>(EmbeddedLinkCounter) + 1u);
  }
}

KQ_FileLink3::KQ_FileLink3(const kq_string& path)
    : key_{path, LastWriteSecondsSince1970(path)} {}

void KQ_FileLink3::Set(const FileLinkKey& key) {
  if (key == key_) return;
  key_ = key;
  NotifyObservers(nullptr);
}

kq_string KQ_FileLink3::LowerExtension() const {
  const size_t dot = key_.path.rfind(L'.');
  if (dot == kq_string::npos) return kq_string();
  kq_string extension = key_.path.substr(dot);
  for (wchar_t& unit : extension)
    if (unit >= L'A' && unit <= L'Z') unit = static_cast<wchar_t>(unit - L'A' + L'a');
  return extension;
}

void ReadFileLink(KQ_IOF_Virtual& stream, KQ_FileLink3& link) {
  FileLinkKey key = link.Key();
  stream.ReadString(key.path);
  stream.ReadInt64(key.id);
  if (!stream.Failed()) link.Store(key);
}

void WriteFileLink(KQ_IOF_Virtual& stream, const KQ_FileLink3& link) {
  stream.WriteString(link.Key().path);
  stream.WriteInt64(link.Key().id);
}
