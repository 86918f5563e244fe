// A colour setting: a Windows colour reference, red in bits 0-7, green in bits 8-15 and blue in
// bits 16-23 (0x00BBGGRR). Users that need ARGB or effect constants convert where they use it.
#pragma once

#include "document/media_param_t.h"

class MediaColor : public MediaParamT<unsigned long> {
public:
  using MediaParamT<unsigned long>::MediaParamT;
  using MediaParamT<unsigned long>::operator=;
};
