#include "render/back_buffer.h"

#include "render/com_references.h"
#include "render/current_device.h"

D3DSURFACE_DESC& GetBackBufferDesc(D3DSURFACE_DESC& out) {
  out = {};
  IDirect3DSurface9* backBuffer = nullptr;
  if (SUCCEEDED(CurrentDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer))) {
    backBuffer->GetDesc(&out);
  }
  ReleaseAndNull(&backBuffer);
  return out;
}
