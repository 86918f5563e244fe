// The object stream every document object is read from and written to: eleven primitives in
// each direction, little-endian, with no tags or record lengths. A stream that meets bytes it
// cannot decode enters a sticky failed state; reads after that leave their destinations alone.
#pragma once

#include <windows.h>

#include <cstdint>

#include "document/data_blob.h"
#include "document/embedded_data.h"
#include "document/kq_string.h"

class KQ_IOF_Virtual {
public:
  virtual ~KQ_IOF_Virtual() = default;

  virtual void WriteEmbeddedData(const KQ_EmbeddedData& value) = 0;
  virtual void WriteDataBlob(const DataBlob& value) = 0;
  virtual void WriteString(const kq_string& value) = 0;
  virtual void WriteInt64(int64_t value) = 0;
  virtual void WriteFloat(float value) = 0;
  virtual void WritePoint(const POINT& value) = 0;
  virtual void WriteULong(unsigned long value) = 0;
  virtual void WriteUInt(unsigned int value) = 0;
  virtual void WriteChar(char value) = 0;
  virtual void WriteBool(bool value) = 0;
  virtual void WriteInt(int value) = 0;

  virtual void ReadEmbeddedData(KQ_EmbeddedData& value) = 0;
  virtual void ReadDataBlob(DataBlob& value) = 0;
  // A stored length of 0 keeps the destination's text; a unit 0 ends the text early.
  virtual void ReadString(kq_string& value) = 0;
  virtual void ReadInt64(int64_t& value) = 0;
  virtual void ReadFloat(float& value) = 0;
  virtual void ReadPoint(POINT& value) = 0;
  virtual void ReadULong(unsigned long& value) = 0;
  virtual void ReadUInt(unsigned int& value) = 0;
  virtual void ReadChar(char& value) = 0;
  virtual void ReadBool(bool& value) = 0;
  virtual void ReadInt(int& value) = 0;

  // True once a read met bytes it could not decode (or a reader rejected what it read).
  virtual bool Failed() const = 0;
  virtual void MarkFailed() = 0;
};
