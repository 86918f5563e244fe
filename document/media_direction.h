// An angle setting in whole degrees with the two unit vectors it points along and across.
// The vectors are computed when the setting is constructed, copied or assigned; a later Set
// or a read leaves them as they were (the run-time copy of an object recomputes them).
#pragma once

#include "document/media_param_t.h"

class MediaDirection : public MediaParamT<unsigned int> {
public:
  explicit MediaDirection(unsigned int degrees = 0) : MediaParamT(degrees) { UpdateVectors(); }
  MediaDirection(const MediaDirection& other) : MediaParamT(other) { UpdateVectors(); }
  MediaDirection& operator=(const MediaDirection& other) { return *this = other.Get(); }
  MediaDirection& operator=(unsigned int degrees) {
    MediaParamT::operator=(degrees);
    UpdateVectors();
    return *this;
  }

  // direction := (1, 0, 0, 0) and normal := (0, 1, 0, 0), both rotated about z by the angle.
  void UpdateVectors();

  const D3DXVECTOR4& Direction() const { return direction_; }
  const D3DXVECTOR4& Normal() const { return normal_; }

private:
  D3DXVECTOR4 direction_;
  D3DXVECTOR4 normal_;
};
