#include "document/file_link_key.h"

#include <algorithm>

bool FileLinkKeyLess::operator()(const FileLinkKey& a, const FileLinkKey& b) const {
  if (a.path != b.path) {
    return std::lexicographical_compare(
        a.path.begin(), a.path.end(), b.path.begin(), b.path.end(),
        [](wchar_t x, wchar_t y) { return static_cast<uint16_t>(x) < static_cast<uint16_t>(y); });
  }
  return a.id < b.id;
}
