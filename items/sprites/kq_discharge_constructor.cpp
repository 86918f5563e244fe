#include "items/sprites/kq_discharge_constructor.h"

#include <cstdlib>

#include "document/class_registry.h"

REGISTER_DOCUMENT_CLASS(KQ_DischargeConstructor);

uint32_t KQ_DischargeConstructor::NextFrameIndex(uint32_t previous) {
  if (frameCount < 2) return previous;
  const int frames = static_cast<int>(frameCount);
  uint32_t next;
  do {
    next = static_cast<uint32_t>(std::rand() % frames);
  } while (next == previous);
  return next;
}
