// Reading a light's section back by its class name, as a slide reads it, typed as the light
// expected; null when the section made a light of another class.
#pragma once

#include <memory>
#include <vector>

#include "document/class_registry.h"
#include "show/kq_2d_light.h"
#include "tests/support/section_bytes.h"

namespace lights_testing {

template <class Light>
std::unique_ptr<Light> ReadLight(const std::vector<uint8_t>& bytes) {
  std::unique_ptr<KQ_2D_Light> light = testing_support::ReadAll(
      bytes, [](KQ_IOF_Virtual& in) { return ReadFamilyByClassName<KQ_2D_Light>(in); });
  Light* typed = dynamic_cast<Light*>(light.get());
  if (typed) light.release();
  return std::unique_ptr<Light>(typed);
}

}  // namespace lights_testing
