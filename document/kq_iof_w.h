// The writing stream: encodes the primitives into a byte vector in exactly the layout that
// KQ_IOF_R reads. The build's tools write documents with it; the player never writes.
#pragma once

#include <vector>

#include "document/kq_iof_virtual.h"

class KQ_IOF_W final : public KQ_IOF_Virtual {
public:
  void WriteEmbeddedData(const KQ_EmbeddedData& value) override;
  void WriteDataBlob(const DataBlob& value) override;
  void WriteString(const kq_string& value) override;
  void WriteInt64(int64_t value) override { Append(value); }
  void WriteFloat(float value) override { Append(value); }
  void WritePoint(const POINT& value) override;
  void WriteULong(unsigned long value) override { Append(value); }
  void WriteUInt(unsigned int value) override { Append(value); }
  void WriteChar(char value) override { Append(value); }
  void WriteBool(bool value) override { Append(static_cast<uint8_t>(value ? 1 : 0)); }
  void WriteInt(int value) override { Append(value); }

  // A writing stream has nothing to read.
  void ReadEmbeddedData(KQ_EmbeddedData&) override { failed_ = true; }
  void ReadDataBlob(DataBlob&) override { failed_ = true; }
  void ReadString(kq_string&) override { failed_ = true; }
  void ReadInt64(int64_t&) override { failed_ = true; }
  void ReadFloat(float&) override { failed_ = true; }
  void ReadPoint(POINT&) override { failed_ = true; }
  void ReadULong(unsigned long&) override { failed_ = true; }
  void ReadUInt(unsigned int&) override { failed_ = true; }
  void ReadChar(char&) override { failed_ = true; }
  void ReadBool(bool&) override { failed_ = true; }
  void ReadInt(int&) override { failed_ = true; }

  bool Failed() const override { return failed_; }
  void MarkFailed() override { failed_ = true; }

  const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
  template <class T>
  void Append(const T& value) {
    const auto* p = reinterpret_cast<const uint8_t*>(&value);
    bytes_.insert(bytes_.end(), p, p + sizeof(T));
  }

  std::vector<uint8_t> bytes_;
  bool failed_ = false;
};
