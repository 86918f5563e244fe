#include "items/fullscreen/kq_pattern_brush.h"

#include <algorithm>

#include "document/class_registry.h"
#include "document/doc_res_manager.h"

REGISTER_DOCUMENT_CLASS(KQ_PatternBrush);
REGISTER_DOCUMENT_CLASS(KQ_PatternBrushC);

namespace {

// The tile size factor of pattern scale value 1: value 0 would make infinitely many tiles.
constexpr float SmallestPatternScale = 0.01f;

}  // namespace

KQ_PatternBrush::KQ_PatternBrush() : ItemClass(78, 50, 0.02f) {}

void KQ_PatternBrush::CreateDeviceObjects(IDirect3DTexture9* const* maskSlot) {
  KQ_FX_Constructor::CreateDeviceObjects(maskSlot);
  LoadPatternTextures();
}

void KQ_PatternBrush::LoadPatternTextures() {
  if (!CurrentDocResManager) return;
  SetPatternFrames(patternImage.LowerExtension() == L".dll"
                       ? CurrentDocResManager->GetDllImageTextures(patternImage)
                       : CurrentDocResManager->GetImageTextures(patternImage));
}

void KQ_PatternBrush::SetPatternFrames(const TextureList& frames) {
  patternFrames_ = frames;
  frameIndex_ = 0;
}

void KQ_PatternBrush::Update(float seconds) {
  KQ_FX_Constructor::Update(seconds);
  const float now = LocalTime();
  if (now - frameStart_ < 0) frameStart_ = now;
  const std::vector<float>& times = patternFrames_.frameTimes;
  if (!times.empty() && times[frameIndex_] < now - frameStart_) {
    frameStart_ = now;
    frameIndex_ = (frameIndex_ + 1) % times.size();
  }
}

bool KQ_PatternBrush::HidesPicture() const {
  return KQ_FX_Constructor::HidesPicture() && patternFrames_.width > 0 &&
         patternFrames_.height > 0;
}

void KQ_PatternBrush::ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) {
  const float w = static_cast<float>(patternFrames_.width);
  const float h = static_cast<float>(patternFrames_.height);
  if (!(w > 0 && h > 0)) return;

  // There may be more frame times than frames: the index then wraps at the frames.
  const auto& frames = patternFrames_.frames;
  effect.SetTexture("Pattern",
                    frames.empty() ? nullptr : frames[frameIndex_ % frames.size()].Get());

  const PictureSize picture = PictureSizeOf(light);
  const float s = std::max(patternScale.Result(), SmallestPatternScale);
  float sx = picture.width / (w * s);   // tiles across
  float sy = picture.height / (h * s);  // tiles down
  const float aspect[2] = {w / h, 1.0f};
  effect.SetFloatArray("scale", aspect, 2);
  const float offset[2] = {offsetX.Result(), offsetY.Result()};
  effect.SetFloatArray("offset", offset, 2);
  if (flipHorizontal.Get() != 0) sx = -sx;
  if (flipVertical.Get() != 0) sy = -sy;

  D3DXMATRIX scaling, turn;
  D3DXMatrixScaling(&scaling, sx, sy, 1.0f);
  D3DXMatrixRotationZ(&turn, static_cast<float>(rotation.Get()) * D3DX_PI / 180.0f);
  const D3DXMATRIX t = scaling * turn;
  const float transform[4] = {t._11, t._12, t._21, t._22};
  effect.SetFloatArray("coord_transf", transform, 4);
  DrawEffectPass(effect, light);
}
