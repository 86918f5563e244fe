#include "document/first_frame.h"

#include "document/doc_res_manager.h"

IDirect3DTexture9* FirstFrame(const KQ_ImageFileLink& link) {
  return CurrentDocResManager ? CurrentDocResManager->GetImageTextures(link).FirstFrame() : nullptr;
}
