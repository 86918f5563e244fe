// Hand-written document sections of the sprite settings, at every stored version, built from
// the stream's primitives in the order a document holds them. Each field has its own distinct
// value, so a field read into the wrong place shows.
#pragma once

#include "document/kq_iof_w.h"
#include "tests/support/item_testing.h"

namespace item_testing {

struct ViewFields {
  int rectangle[6] = {10, 990, 20, 480, 7, 8};
  float fractions[4] = {0.25f, 0.75f, 0.125f, 0.875f};  // left, right, top, bottom
  bool storedFlag = true;
  unsigned int speed = 75;  // in the view section from version 2 on
  kq_string objectName = L"reeds";
};

struct SpritePropFields {
  ViewFields view;
  unsigned int count = 12;
  unsigned int speed = 60;  // in the sprite properties in versions 1 and 2 only
  unsigned int size = 48;
  unsigned int transparency = 20;
  int additive = 1;
  unsigned long colour = 0x00336699;
  float fadeSpeed = 0.5f, minAlpha = 0.1f, maxAlpha = 0.9f, minSize = 0.5f, maxSize = 1.5f;
  kq_string imagePath = L"tessaly.dll";
  int64_t imageId = 31;
  kq_string secondPath = L"glow.png";
  int64_t secondId = 1234567890123;
  unsigned int reservedCount = 3;
  float reservedValue = 2.5f;
  unsigned int frameCount = 4;
  float frameRate = 12;
  bool sheetMode = true;
  int sourceKind = 1;    // version 4 on
  int flipVertical = 1;  // version 5 on
  int mirror = 1;
  int refillOnFrame = 1;  // version 6 on
  // Version 1 only: the images inline.
  KQ_EmbeddedData legacyFrame{41, L"tessaly.dll"};
  KQ_EmbeddedData legacySecond{42, L"tessaly.dll"};
  std::vector<float> legacyTimes{0.25f, 0.5f};
};

inline void WriteViewSection(KQ_IOF_W& w, unsigned long version, const ViewFields& f) {
  WriteSectionHeader(w, L"KQ_ViewObjCtrl", version);
  for (int value : f.rectangle) w.WriteInt(value);
  for (float fraction : f.fractions) w.WriteFloat(fraction);
  w.WriteBool(f.storedFlag);
  if (version >= 2) w.WriteUInt(f.speed);
  WriteSectionHeader(w, L"KQ_ABObj_Constructor", 1);
  w.WriteString(f.objectName);
}

// Sections of versions 1 and 2 go with a version 1 view section, later ones with version 2.
inline void WriteSpritePropSection(KQ_IOF_W& w, unsigned long version,
                                   const SpritePropFields& f) {
  WriteSectionHeader(w, L"KQ_BaseSpriteProp", version);
  WriteViewSection(w, version <= 2 ? 1 : 2, f.view);
  w.WriteUInt(f.count);
  if (version <= 2) w.WriteUInt(f.speed);
  w.WriteUInt(f.size);
  w.WriteUInt(f.transparency);
  w.WriteInt(f.additive);
  w.WriteULong(f.colour);
  for (float value : {f.fadeSpeed, f.minAlpha, f.maxAlpha, f.minSize, f.maxSize})
    w.WriteFloat(value);
  if (version >= 2) {
    w.WriteString(f.imagePath);
    w.WriteInt64(f.imageId);
    w.WriteString(f.secondPath);
    w.WriteInt64(f.secondId);
  } else {
    w.WriteULong(1);
    w.WriteEmbeddedData(f.legacyFrame);
    w.WriteEmbeddedData(f.legacySecond);
  }
  w.WriteUInt(f.reservedCount);
  w.WriteFloat(f.reservedValue);
  w.WriteUInt(f.frameCount);
  w.WriteFloat(f.frameRate);
  w.WriteBool(f.sheetMode);
  if (version <= 1) {
    w.WriteULong(static_cast<unsigned long>(f.legacyTimes.size()));
    for (float time : f.legacyTimes) w.WriteFloat(time);
  }
  if (version >= 4) w.WriteInt(f.sourceKind);
  if (version >= 5) {
    w.WriteInt(f.flipVertical);
    w.WriteInt(f.mirror);
  }
  if (version >= 6) w.WriteInt(f.refillOnFrame);
}

}  // namespace item_testing
