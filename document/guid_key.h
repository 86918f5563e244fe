// Keys of the generated textures a document carries (saved as DDS bytes) and restores by GUID.
#pragma once

#include <windows.h>

#include <cstring>

#include "document/data_blob.h"
#include "document/kq_string.h"

struct GuidKey {
  GUID id{};
  kq_string name;
  bool flag = false;
};

// By the 16 GUID bytes in memory order, as unsigned bytes; name and flag play no part.
struct GuidKeyLess {
  bool operator()(const GuidKey& a, const GuidKey& b) const {
    return std::memcmp(&a.id, &b.id, sizeof(GUID)) < 0;
  }
};

// One stored generated texture. A new one gets a fresh GUID, an empty name, flag set.
struct GuidTexture {
  GuidTexture();

  GuidKey key;
  DataBlob blob;
};
