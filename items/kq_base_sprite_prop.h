// The settings every particle system shares, sprite-drawn or shader-drawn: how many particles,
// how big, how transparent and in what tint, how their opacity pulses, and which image they
// show (one picture, an animated image, or a sheet of frames side by side) with an optional
// second image. The particle classes below supply the three particle operations the geometry
// calls: spawn a particle, move it, pick the next sheet frame.
//
// Unlike every other class, this level's section holds its base's section before its own
// fields. Version 1 sections carried their images inline; CreateObject turns those into links.
#pragma once

#include <d3d9.h>

#include <cstdint>
#include <list>
#include <memory>
#include <vector>

#include "document/embedded_data.h"
#include "document/image_file_link.h"
#include "document/media_color.h"
#include "document/media_param_t.h"
#include "document/scaled_param.h"
#include "items/kq_view_obj_ctrl.h"

struct Particle;

class KQ_BaseSpriteProp : public KQ_ViewObjCtrl {
public:
  void Write(KQ_IOF_Virtual& stream) const override;
  // The base section first, then this level's fields as the version has them.
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  // Fills a particle the geometry has just appended, or re-spawns one in place.
  virtual void InitParticle(Particle& particle);
  // Advances one particle by this object's time step.
  virtual void MoveParticle(Particle& particle);
  // The sheet frame after `previous`: the next one, round the sheet.
  virtual uint32_t NextFrameIndex(uint32_t previous);
  // A heap copy of the whole settings object, for the run-time item.
  virtual std::unique_ptr<KQ_BaseSpriteProp> Clone() const = 0;

  // The inline images of a version 1 section become image links of the document's manager.
  void ConvertLegacyImages();

  // ARGB of the tint at the transparency's alpha times a particle's alpha, clamped to a byte.
  D3DCOLOR ParticleColour(float particleAlpha) const;
  // The frames of a sprite sheet; a sheet stored with no frames counts as one.
  uint32_t SheetFrameCount() const { return frameCount ? frameCount : 1; }

  MediaParamT<unsigned int> count{1};   // particles
  MediaParamT<unsigned int> size{64};   // longer side of a sprite at size factor 1, pixels
  UINTSclaleTo<unsigned char> transparency{0, -2.55f, 255};  // 0 opaque .. 100 invisible
  MediaParamT<int> additive{0};         // non-zero: drawn with additive blending
  MediaColor colour{0xffffff};          // tint, a colour reference 0x00BBGGRR
  float fadeSpeed = 0;                  // alpha per scaled second, with a random sign
  float minAlpha = 0;                   // bounds of the particle alpha
  float maxAlpha = 1;
  float minSizeFactor = 1;              // each particle's size factor is uniform in these
  float maxSizeFactor = 1;
  KQ_ImageFileLink image;               // one picture, an animated image or a sheet
  KQ_ImageFileLink secondImage;         // its first frame is drawn over the first pass
  uint32_t reservedCount = 1;           // stored and copied; nothing uses it
  float reservedValue = 0;              // stored and copied; nothing uses it
  uint32_t frameCount = 1;              // frames of a sprite sheet
  float frameRate = 0;                  // sheet frames per scaled second; 0 keeps the first
  bool sheetMode = false;               // the image holds frameCount frames side by side
  int32_t sourceKind = 0;               // 1: the link names a module's animated image
  MediaParamT<int> flipVertical{0};     // non-zero: textures upside down
  MediaParamT<int> mirror{0};           // non-zero: textures mirrored left to right
  MediaParamT<int> refillOnFrame{0};    // non-zero: quads refilled only on a new image frame
  std::vector<float> legacyFrameTimes;  // version 1 sections only
  std::list<KQ_EmbeddedData> legacyFrames;
  KQ_EmbeddedData legacySecondImage;

protected:
  // This level's fields as version 4 stores them; later versions append to them.
  void WriteVersion4Fields(KQ_IOF_Virtual& stream) const;
};
