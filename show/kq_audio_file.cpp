#include "show/kq_audio_file.h"

void KQ_AudioFile::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_AudioFile", CurrentVersion);
  stream.WriteString(name);
  stream.WriteDataBlob(file);
}

std::unique_ptr<KQ_AudioFile> ReadAudioFile(KQ_IOF_Virtual& stream) {
  ReadSectionHeader(stream);
  auto record = std::make_unique<KQ_AudioFile>();
  stream.ReadString(record->name);
  stream.ReadDataBlob(record->file);
  return record;
}
