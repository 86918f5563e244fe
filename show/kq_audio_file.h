// One entry of the show's background music: a sound file by path, optionally with the whole
// file's bytes embedded, so the show also plays where the path does not exist. The player only
// reads these; the application materialises and plays them in list order.
#pragma once

#include <memory>

#include "document/data_blob.h"
#include "document/kq_iof_item.h"

class KQ_AudioFile : public KQ_IOF_Item {
public:
  static constexpr unsigned long CurrentVersion = 1;

  void Write(KQ_IOF_Virtual& stream) const override;

  kq_string name;  // stored with the record; the player does not use it
  DataBlob file;   // name: the sound file's path; bytes: its embedded copy, or none
};

// A whole audio record, header included (read at a fixed place, not by class name).
std::unique_ptr<KQ_AudioFile> ReadAudioFile(KQ_IOF_Virtual& stream);
