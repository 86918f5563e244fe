// Hand-written sections that several classes hold inside their own: the camera and the plain
// light (the base section of every light), and the full-screen effect base that ends every
// effect's chain. Each field has a value of its own, so a field read into the wrong place shows.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "document/file_link_key.h"
#include "items/fullscreen/kq_fx_constructor.h"
#include "tests/support/section_bytes.h"

namespace testing_support {

inline std::vector<uint8_t> CameraSection(int on, unsigned zoom, unsigned speed) {
  using namespace stored_fields;
  return Fixture({String(L"KQM_Camera"), ULong(1), Int(on), UInt(zoom), UInt(speed)});
}

// The current plain-light section: the picture link, then the camera.
inline std::vector<uint8_t> LightSection(const FileLinkKey& link,
                                         const std::vector<uint8_t>& camera) {
  using namespace stored_fields;
  return Fixture({String(L"KQ_2D_Light"), ULong(3), String(link.path), Int64(link.id), camera});
}

struct FxConstructorFields {
  unsigned long version = 2;
  unsigned speed = 35;
  int asEffect = 1;
  GUID maskId = {0x0A1B2C3D, 0x4E5F, 0x6071, {0x82, 0x93, 0xA4, 0xB5, 0xC6, 0xD7, 0xE8, 0xF9}};
  std::wstring maskIdText = L"{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}";
  std::wstring maskName = L"vignette";
  bool maskFlag = true;
  FileLinkKey effectFile{L"effects.dll", 77};
  unsigned scale = 65;  // stored from version 2 on; 50 before
  std::wstring objectName = L"wobble";
};

// "KQ_FX_Constructor" at `f.version`, then the settings' last section.
inline std::vector<uint8_t> FxConstructorSection(const FxConstructorFields& f) {
  using namespace stored_fields;
  return Fixture({String(L"KQ_FX_Constructor"), ULong(f.version), UInt(f.speed), Int(f.asEffect),
                  String(f.maskIdText), String(f.maskName), Bool(f.maskFlag),
                  String(f.effectFile.path), Int64(f.effectFile.id),
                  Raw(f.version >= 2 ? UInt(f.scale).bytes : std::vector<uint8_t>{}),
                  String(L"KQ_ABObj_Constructor"), ULong(1), String(f.objectName)});
}

inline void ExpectFxConstructorFields(const FxConstructorFields& f, const KQ_FX_Constructor& fx) {
  EXPECT_EQ(f.speed, fx.speed.Get());
  EXPECT_EQ(f.asEffect, fx.asEffect.Get());
  EXPECT_EQ(0, std::memcmp(&f.maskId, &fx.maskKey.id, sizeof(GUID)));
  EXPECT_EQ(f.maskName, fx.maskKey.name);
  EXPECT_EQ(f.maskFlag, fx.maskKey.flag);
  EXPECT_TRUE(f.effectFile == fx.effectFile.Key());
  EXPECT_EQ(f.version >= 2 ? f.scale : 50u, fx.scale.Get());
  EXPECT_EQ(f.objectName, fx.objectName);
}

}  // namespace testing_support
