#include "document/setting_stream.h"

void ReadSetting(KQ_IOF_Virtual& stream, D3DXVECTOR3& value) {
  D3DXVECTOR3 read = value;
  stream.ReadFloat(read.x);
  stream.ReadFloat(read.y);
  stream.ReadFloat(read.z);
  if (!stream.Failed()) value = read;
}

void WriteSetting(KQ_IOF_Virtual& stream, const D3DXVECTOR3& value) {
  stream.WriteFloat(value.x);
  stream.WriteFloat(value.y);
  stream.WriteFloat(value.z);
}
