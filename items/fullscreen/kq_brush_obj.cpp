#include "items/fullscreen/kq_brush_obj.h"

#include "document/doc_res_manager.h"

KQ_BrushObj::KQ_BrushObj(std::unique_ptr<KQ_FX_Constructor> clone)
    : KQ_ABObj(std::move(clone)), fx_(static_cast<KQ_FX_Constructor&>(Settings())) {
  // Looking the key up leaves an empty entry for a GUID the document has no texture for.
  IDirect3DTexture9* const* mask =
      CurrentDocResManager ? &CurrentDocResManager->GetResourceCache().guidTextures[fx_.maskKey]
                           : nullptr;
  fx_.CreateDeviceObjects(mask);
}
