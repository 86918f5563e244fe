#include "document/guid_key.h"

#include <objbase.h>

GuidTexture::GuidTexture() {
  CoCreateGuid(&key.id);
  key.flag = true;
}
