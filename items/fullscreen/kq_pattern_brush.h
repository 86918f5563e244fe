// Pattern brush: an image tiled over the slide (effect 78), at a chosen tile size, rotated,
// mirrored and shifted. An animated image from a content pack steps through its frames at
// their own frame times, on the effect's clock, so the speed setting sets the animation rate.
// Without an image nothing is drawn at all.
//
// KQ_PatternBrushC is the same brush under another class name and section.
#pragma once

#include "document/image_file_link.h"
#include "document/texture_list.h"
#include "items/fullscreen/kq_fx_constructor.h"
#include "items/item_class.h"

class KQ_PatternBrush : public ItemClass<KQ_PatternBrush, KQ_FX_Constructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_PatternBrush";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.patternImage, s.flipVertical, s.flipHorizontal, s.rotation, s.patternScale,
                    s.offsetX, s.offsetY);
  }

  KQ_PatternBrush();

  // The effect and the mask, then the pattern's frames.
  void CreateDeviceObjects(IDirect3DTexture9* const* maskSlot) override;
  // The clock, then at most one step of the frame sequence.
  void Update(float seconds) override;
  void ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) override;
  // Without a pattern nothing is drawn.
  bool HidesPicture() const override;

  // The pattern becomes `frames` (a reference per frame), from its first frame on.
  void SetPatternFrames(const TextureList& frames);
  const TextureList& PatternFrames() const { return patternFrames_; }
  uint32_t FrameIndex() const { return frameIndex_; }

  KQ_ImageFileLink patternImage;
  MediaParamT<int> flipVertical;    // non-zero mirrors the tiling vertically
  MediaParamT<int> flipHorizontal;  // non-zero mirrors it horizontally
  MediaParamT<unsigned int> rotation;  // degrees
  UINTSclaleTo<float> patternScale{100, 0.01f};  // tile size factor
  UINTSclaleTo<float> offsetX{0, -0.01f};
  UINTSclaleTo<float> offsetY{0, 0.01f};

private:
  // A pack's animated image (its path ends in ".dll") or the link's frames.
  void LoadPatternTextures();

  TextureList patternFrames_;
  uint32_t frameIndex_ = 0;  // into the frame times
  float frameStart_ = 0;     // clock time at which the frame was entered
};

// Its section is empty; the brush's whole section follows it.
class KQ_PatternBrushC : public ItemClass<KQ_PatternBrushC, KQ_PatternBrush> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_PatternBrushC";
};
