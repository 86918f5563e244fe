// Base of every document class. An object is stored as a chain of sections, one per class
// level: the class name, the version of that level's own fields, the fields, then the direct
// base class's section in the same form.
#pragma once

#include "document/kq_iof_virtual.h"

class KQ_IOF_Item {
public:
  virtual ~KQ_IOF_Item() = default;
  // Writes the object's sections with the class's current versions.
  virtual void Write(KQ_IOF_Virtual& stream) const = 0;
};

// Reads a section's class name (never compared with anything) and returns its version.
inline unsigned long ReadSectionHeader(KQ_IOF_Virtual& stream) {
  kq_string name;
  unsigned long version = 0;
  stream.ReadString(name);
  stream.ReadULong(version);
  return version;
}

inline void WriteSectionHeader(KQ_IOF_Virtual& stream, const kq_string& class_name,
                               unsigned long version) {
  stream.WriteString(class_name);
  stream.WriteULong(version);
}
