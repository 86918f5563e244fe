#include "document/guid_string.h"

#include <objbase.h>

namespace {

// Reads `digits` hexadecimal digits at `text[at]`; false on any other character.
bool ParseHex(const kq_string& text, size_t at, int digits, unsigned long& value) {
  value = 0;
  for (int i = 0; i < digits; ++i) {
    const wchar_t c = text[at + i];
    unsigned digit;
    if (c >= L'0' && c <= L'9') digit = c - L'0';
    else if (c >= L'A' && c <= L'F') digit = c - L'A' + 10;
    else if (c >= L'a' && c <= L'f') digit = c - L'a' + 10;
    else return false;
    value = (value << 4) | digit;
  }
  return true;
}

}  // namespace

bool ParseGuidString(const kq_string& text, GUID& guid) {
  guid = GUID_NULL;
  if (text.size() != 38 || text[0] != L'{' || text[37] != L'}' || text[9] != L'-' ||
      text[14] != L'-' || text[19] != L'-' || text[24] != L'-')
    return false;
  GUID parsed;
  unsigned long value;
  if (!ParseHex(text, 1, 8, value)) return false;
  parsed.Data1 = value;
  if (!ParseHex(text, 10, 4, value)) return false;
  parsed.Data2 = static_cast<unsigned short>(value);
  if (!ParseHex(text, 15, 4, value)) return false;
  parsed.Data3 = static_cast<unsigned short>(value);
  // The last two groups are the eight bytes of Data4, two digits each.
  static const size_t byte_positions[8] = {20, 22, 25, 27, 29, 31, 33, 35};
  for (int i = 0; i < 8; ++i) {
    if (!ParseHex(text, byte_positions[i], 2, value)) return false;
    parsed.Data4[i] = static_cast<unsigned char>(value);
  }
  guid = parsed;
  return true;
}

void ReadGuidString(KQ_IOF_Virtual& stream, GUID& guid) {
  kq_string text;
  stream.ReadString(text);
  if (!stream.Failed()) ParseGuidString(text, guid);
}

void WriteGuidString(KQ_IOF_Virtual& stream, const GUID& guid) {
  wchar_t text[39] = {};
  StringFromGUID2(guid, text, 39);
  stream.WriteString(text);
}
