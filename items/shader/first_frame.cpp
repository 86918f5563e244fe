#include "items/shader/first_frame.h"

#include "document/doc_res_manager.h"

IDirect3DTexture9* FirstFrame(const KQ_ImageFileLink& link) {
  if (!CurrentDocResManager) return nullptr;
  const TextureList& frames = CurrentDocResManager->GetImageTextures(link);
  return frames.HasFrames() ? frames.frames.front().Get() : nullptr;
}
