// How settings travel in a document section. Every setting type has one stream form, chosen
// by its type, so an owner lists its settings in stream order and nothing else:
//
//   ReadSettings(stream, amplitude, frequency, angle, parallelNormal);
//   WriteSettings(stream, amplitude, frequency, angle, parallelNormal);
//
// Reading stores plain values straight into the setting, telling no control; settings with
// derived values (the scaled ones) are read through Set, so their results follow. A setting
// whose class wants its bindings told reads with ReadAndSet. A value the stream cannot deliver
// leaves the setting as it was.
#pragma once

#include <cstdint>

#include "document/kq_iof_virtual.h"
#include "document/media_param_tb.h"

inline void ReadSetting(KQ_IOF_Virtual& stream, int& value) { stream.ReadInt(value); }
inline void ReadSetting(KQ_IOF_Virtual& stream, unsigned int& value) { stream.ReadUInt(value); }
inline void ReadSetting(KQ_IOF_Virtual& stream, unsigned long& value) { stream.ReadULong(value); }
inline void ReadSetting(KQ_IOF_Virtual& stream, int64_t& value) { stream.ReadInt64(value); }
inline void ReadSetting(KQ_IOF_Virtual& stream, float& value) { stream.ReadFloat(value); }
inline void ReadSetting(KQ_IOF_Virtual& stream, POINT& value) { stream.ReadPoint(value); }
inline void ReadSetting(KQ_IOF_Virtual& stream, kq_string& value) { stream.ReadString(value); }
void ReadSetting(KQ_IOF_Virtual& stream, D3DXVECTOR3& value);

inline void WriteSetting(KQ_IOF_Virtual& stream, int value) { stream.WriteInt(value); }
inline void WriteSetting(KQ_IOF_Virtual& stream, unsigned int value) { stream.WriteUInt(value); }
inline void WriteSetting(KQ_IOF_Virtual& stream, unsigned long value) { stream.WriteULong(value); }
inline void WriteSetting(KQ_IOF_Virtual& stream, int64_t value) { stream.WriteInt64(value); }
inline void WriteSetting(KQ_IOF_Virtual& stream, float value) { stream.WriteFloat(value); }
inline void WriteSetting(KQ_IOF_Virtual& stream, const POINT& value) { stream.WritePoint(value); }
inline void WriteSetting(KQ_IOF_Virtual& stream, const kq_string& value) { stream.WriteString(value); }
void WriteSetting(KQ_IOF_Virtual& stream, const D3DXVECTOR3& value);

// The setting's value as read from the stream, starting from its current value (a String of
// length 0 keeps it); false when the stream could not deliver it.
template <class T>
bool ReadSettingValue(KQ_IOF_Virtual& stream, const MediaParamTB<T>& setting, T& value) {
  value = setting.Get();
  ReadSetting(stream, value);
  return !stream.Failed();
}

template <class T>
void ReadSetting(KQ_IOF_Virtual& stream, MediaParamTB<T>& setting) {
  T value;
  if (ReadSettingValue(stream, setting, value)) setting.Store(value);
}

template <class T>
void ReadAndSet(KQ_IOF_Virtual& stream, MediaParamTB<T>& setting) {
  T value;
  if (ReadSettingValue(stream, setting, value)) setting.Set(value);
}

template <class T>
void WriteSetting(KQ_IOF_Virtual& stream, const MediaParamTB<T>& setting) {
  WriteSetting(stream, setting.Get());
}

template <class... Settings>
void ReadSettings(KQ_IOF_Virtual& stream, Settings&... settings) {
  (ReadSetting(stream, settings), ...);
}

template <class... Settings>
void WriteSettings(KQ_IOF_Virtual& stream, const Settings&... settings) {
  (WriteSetting(stream, settings), ...);
}
