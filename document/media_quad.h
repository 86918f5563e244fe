// Four 3D corners, each a setting of its own; (0, 0, 0) until the owner places them.
#pragma once

#include "document/kq_iof_virtual.h"
#include "document/media_param_tb.h"

class MediaQuad : public MediaParam {
public:
  MediaParamTB<D3DXVECTOR3> corners[4];

  // Twelve Float: x, y, z of each corner in turn, stored straight into the values.
  KQ_IOF_Virtual& Read(KQ_IOF_Virtual& stream);
  KQ_IOF_Virtual& Write(KQ_IOF_Virtual& stream) const;
};

inline void ReadSetting(KQ_IOF_Virtual& stream, MediaQuad& quad) { quad.Read(stream); }
inline void WriteSetting(KQ_IOF_Virtual& stream, const MediaQuad& quad) { quad.Write(stream); }
