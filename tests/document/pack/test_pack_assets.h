// What the test content packs hold, shared by the program that writes their assets and the
// tests that read them back.
#pragma once

#include <windows.h>

#include <vector>

#include "tests/document/pack/test_pack_ids.h"

namespace test_pack {

constexpr const wchar_t* PackName = L"doc_test_pack.dll";
constexpr const wchar_t* OtherPackName = L"doc_test_pack2.dll";

struct Picture {
  UINT width;
  UINT height;
  DWORD color;  // 0x00RRGGBB
};

constexpr Picture Wide{8, 4, 0xFF0000};
constexpr Picture Tall{4, 8, 0x00FF00};
constexpr Picture Square{2, 2, 0x0000FF};
constexpr Picture AnimatedEmbeddedFrame{6, 3, 0xFFFF00};

constexpr int WideId = TEST_PACK_WIDE_ID;
constexpr int TallId = TEST_PACK_TALL_ID;
constexpr int NotAnImageId = TEST_PACK_NOT_AN_IMAGE_ID;
constexpr int AnimatedId = TEST_PACK_ANIMATED_ID;
constexpr int AnimatedCutId = TEST_PACK_ANIMATED_CUT_ID;
constexpr int MeshId = TEST_PACK_MESH_ID;
constexpr int EffectId = TEST_PACK_EFFECT_ID;
constexpr int ProgramPictureId = TEST_PROGRAM_PICTURE_ID;  // Square

// The animated image: frames Wide and Tall from the pack, then AnimatedEmbeddedFrame carried in
// the record itself.
constexpr int AnimatedPackFrames[] = {WideId, TallId};
inline const std::vector<float> AnimatedFrameTimes = {0.5f, 0.25f, 1.0f};

}  // namespace test_pack
