// The value of every file link, and the order of every map of assets. The id's meaning depends
// on the kind of link: a resource number in the module named by the path, a file's last-write
// time in seconds since 1970, or the running number of an embedded record of that name.
#pragma once

#include <cstdint>

#include "document/kq_string.h"

struct FileLinkKey {
  kq_string path;
  int64_t id = 0;
};

inline bool operator==(const FileLinkKey& a, const FileLinkKey& b) {
  return a.id == b.id && a.path == b.path;
}
inline bool operator!=(const FileLinkKey& a, const FileLinkKey& b) { return !(a == b); }

// Paths by UTF-16 code units as unsigned numbers (case-sensitive, a proper prefix first), then
// ids as signed numbers.
struct FileLinkKeyLess {
  bool operator()(const FileLinkKey& a, const FileLinkKey& b) const;
};
