// The bytes of the built-in demo show that a test program carries as the saver does
// ("DDS" 107, see carry_demo_show); empty when the program carries none.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "show/project_document.h"

namespace testing_support {

inline std::vector<uint8_t> DemoDocumentBytes() {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(ProjectDocumentResource), L"DDS");
  if (!found) return {};
  const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found)));
  return std::vector<uint8_t>(bytes, bytes + SizeofResource(nullptr, found));
}

}  // namespace testing_support
