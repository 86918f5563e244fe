#include "items/sprites/kq_sprite_array_obj.h"

#include "document/doc_res_manager.h"
#include "items/kq_ab_render.h"
#include "render/sprite_batch.h"

namespace {

// The frames of the settings' image: a module's animated image for source kind 1, else the
// image link's own frames. No manager (tools, tests without documents): no frames.
TextureList ResolveFrames(const KQ_BaseSpriteProp& settings) {
  if (!CurrentDocResManager) return TextureList();
  if (settings.sourceKind == 1) return CurrentDocResManager->GetDllImageTextures(settings.image);
  return CurrentDocResManager->GetImageTextures(settings.image);
}

}  // namespace

KQ_SpriteArrayObj::KQ_SpriteArrayObj(std::unique_ptr<KQ_BaseSpriteProp> settingsCopy)
    : KQ_ABObj(std::move(settingsCopy)) {
  settings = static_cast<KQ_BaseSpriteProp*>(&Settings());
  frames = ResolveFrames(*settings);
  // The particles take their shape from the same frames the sprites are drawn with.
  imageAspect = frames.aspect;
  BindCount(settings->count);
  if (CurrentDocResManager && !settings->secondImage.Key().path.empty()) {
    const TextureList& second = CurrentDocResManager->GetImageTextures(settings->secondImage);
    if (second.HasFrames()) secondTexture_ = second.frames.front();
  }
}

void KQ_SpriteArrayObj::Draw(KQ_ABRender& light) {
  // A count of 0 keeps the last buffers, but they no longer show these settings.
  if (settings->count.Get() == 0) return;
  light.DrawSprites(SpriteBatch{*this, CurrentFrameTexture(), GetSecondTexture(),
                                settings->additive.Get() != 0});
}

void KQ_SpriteArrayObj::Update(float t) {
  ParticleGeomArray::Update(t);
  const bool advanced = AdvanceFrame(settings->scaledTime);
  if (!settings->refillOnFrame.Get() || advanced || !verticesWritten) FillVertices();
}
