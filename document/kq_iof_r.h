// The reading stream: decodes the primitives from a block of memory through a bounded cursor.
// Its write operations do nothing.
#pragma once

#include <cstring>

#include "document/kq_iof_virtual.h"
#include "document/resource_buffer.h"

template <class Buffer>
class KQ_IOF_R;

template <>
class KQ_IOF_R<ResourceBuffer> final : public KQ_IOF_Virtual {
public:
  explicit KQ_IOF_R(ResourceBuffer& buffer) : buffer_(buffer) {}

  void WriteEmbeddedData(const KQ_EmbeddedData&) override {}
  void WriteDataBlob(const DataBlob&) override {}
  void WriteString(const kq_string&) override {}
  void WriteInt64(int64_t) override {}
  void WriteFloat(float) override {}
  void WritePoint(const POINT&) override {}
  void WriteULong(unsigned long) override {}
  void WriteUInt(unsigned int) override {}
  void WriteChar(char) override {}
  void WriteBool(bool) override {}
  void WriteInt(int) override {}

  void ReadEmbeddedData(KQ_EmbeddedData& value) override;
  void ReadDataBlob(DataBlob& value) override;
  void ReadString(kq_string& value) override;
  void ReadInt64(int64_t& value) override { ReadRaw(value); }
  void ReadFloat(float& value) override { ReadRaw(value); }
  void ReadPoint(POINT& value) override;
  void ReadULong(unsigned long& value) override { ReadRaw(value); }
  void ReadUInt(unsigned int& value) override { ReadRaw(value); }
  void ReadChar(char& value) override { ReadRaw(value); }
  void ReadBool(bool& value) override;
  void ReadInt(int& value) override { ReadRaw(value); }

  bool Failed() const override { return buffer_.Failed(); }
  void MarkFailed() override { buffer_.MarkFailed(); }

private:
  // Copies sizeof(T) bytes into `value`, or leaves it alone when fewer remain.
  template <class T>
  void ReadRaw(T& value) {
    if (const uint8_t* bytes = buffer_.Take(sizeof(T))) std::memcpy(&value, bytes, sizeof(T));
  }

  ResourceBuffer& buffer_;
};
