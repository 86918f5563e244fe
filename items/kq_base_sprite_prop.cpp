#include "items/kq_base_sprite_prop.h"

#include "document/doc_res_manager.h"
#include "document/setting_stream.h"
#include "document/stream_lists.h"
#include "render/quad_colors.h"

void KQ_BaseSpriteProp::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_BaseSpriteProp", 6);
  KQ_ViewObjCtrl::Write(stream);
  WriteVersion4Fields(stream);
  WriteSettings(stream, flipVertical, mirror, refillOnFrame);
}

void KQ_BaseSpriteProp::WriteVersion4Fields(KQ_IOF_Virtual& stream) const {
  WriteSettings(stream, count, size, transparency, additive, colour, fadeSpeed, minAlpha,
                maxAlpha, minSizeFactor, maxSizeFactor, image, secondImage, reservedCount,
                reservedValue, frameCount, frameRate);
  stream.WriteBool(sheetMode);
  WriteSetting(stream, sourceKind);
}

void KQ_BaseSpriteProp::Read(KQ_IOF_Virtual& stream, unsigned long version) {
  KQ_ViewObjCtrl::Read(stream, ReadSectionHeader(stream));
  ReadSetting(stream, count);
  if (version <= 2) ReadSetting(stream, speed);
  ReadSettings(stream, size, transparency, additive, colour, fadeSpeed, minAlpha, maxAlpha,
               minSizeFactor, maxSizeFactor);
  if (version >= 2) {
    ReadSettings(stream, image, secondImage);
  } else {
    ReadEmbeddedDataList(stream, legacyFrames);
    stream.ReadEmbeddedData(legacySecondImage);
  }
  ReadSettings(stream, reservedCount, reservedValue, frameCount, frameRate);
  stream.ReadBool(sheetMode);
  if (version <= 1) ReadFloatVector(stream, legacyFrameTimes);
  if (version >= 4) ReadSetting(stream, sourceKind);
  if (version >= 5) ReadSettings(stream, flipVertical, mirror);
  if (version >= 6) ReadSetting(stream, refillOnFrame);
}

void KQ_BaseSpriteProp::InitParticle(Particle&) {}

void KQ_BaseSpriteProp::MoveParticle(Particle&) {}

uint32_t KQ_BaseSpriteProp::NextFrameIndex(uint32_t previous) {
  return frameCount ? (previous + 1) % frameCount : 0;
}

D3DCOLOR KQ_BaseSpriteProp::ParticleColour(float particleAlpha) const {
  const DWORD alpha = AlphaByte(static_cast<float>(transparency.Result()) * particleAlpha);
  const DWORD reference = colour.Get();
  const DWORD red = reference & 0xff;
  const DWORD green = (reference >> 8) & 0xff;
  const DWORD blue = (reference >> 16) & 0xff;
  return alpha << 24 | red << 16 | green << 8 | blue;
}

void KQ_BaseSpriteProp::ConvertLegacyImages() {
  if (!image.Key().path.empty() || !CurrentDocResManager) return;
  image = CurrentDocResManager->MakeAnimatedImageLink(legacyFrameTimes, legacyFrames);
  if (legacySecondImage.id != 0)
    secondImage = CurrentDocResManager->MakeImageLink(legacySecondImage);
  legacyFrames.clear();
  legacyFrameTimes.clear();
}
