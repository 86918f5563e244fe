// The surface's two device buffers: the fixed spiral strip in the default pool and the vertices
// rewritten whole every frame in the managed pool. A dynamic vertex buffer would spare the upload
// of the managed copy, but under Wine the first one in a process brings about 60 MB of mapped
// memory that stays (measured: the slide's growth 128 -> 72 MB, its frame 3% longer).
#include <algorithm>

#include "render/com_references.h"
#include "render/current_device.h"
#include "show/lights/water_ripple_surface.h"

HRESULT WaterRippleSurface::CreateBuffers() {
  IDirect3DDevice9* device = CurrentDevice;
  if (!device) return D3DERR_INVALIDCALL;
  if (!indexBuffer_) {
    const std::vector<uint16_t> indices = SpiralStripIndices(grid_);
    const UINT bytes = static_cast<UINT>(indices.size() * sizeof(uint16_t));
    HRESULT hr = device->CreateIndexBuffer(bytes, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                           D3DPOOL_DEFAULT, &indexBuffer_, nullptr);
    if (FAILED(hr)) return hr;
    void* data = nullptr;
    hr = indexBuffer_->Lock(0, 0, &data, 0);
    if (FAILED(hr)) {
      ReleaseAndNull(&indexBuffer_);  // an unfilled strip would draw garbage
      return hr;
    }
    std::copy(indices.begin(), indices.end(), static_cast<uint16_t*>(data));
    indexBuffer_->Unlock();
  }
  if (!vertexBuffer_) {
    return device->CreateVertexBuffer(grid_.Cells() * sizeof(RippleVertex),
                                      D3DUSAGE_WRITEONLY, RippleVertex::FVF,
                                      D3DPOOL_MANAGED, &vertexBuffer_, nullptr);
  }
  return D3D_OK;
}

void WaterRippleSurface::ReleaseBuffers() {
  ReleaseAndNull(&indexBuffer_);
  ReleaseAndNull(&vertexBuffer_);
}

void WaterRippleSurface::Update(const RippleEye& eye) {
  for (int i = 0; i < 4; ++i) Step();
  void* data = nullptr;
  if (!vertexBuffer_ || FAILED(vertexBuffer_->Lock(0, 0, &data, 0))) return;
  FillVertices(static_cast<RippleVertex*>(data), eye);
  vertexBuffer_->Unlock();
}

HRESULT WaterRippleSurface::Draw() const {
  IDirect3DDevice9* device = CurrentDevice;
  // The buffers are gone between a device reset and the next Resize.
  if (!HasBuffers()) return D3DERR_INVALIDCALL;
  HRESULT hr = device->SetFVF(RippleVertex::FVF);
  if (SUCCEEDED(hr)) hr = device->SetStreamSource(0, vertexBuffer_, 0, sizeof(RippleVertex));
  if (SUCCEEDED(hr)) hr = device->SetIndices(indexBuffer_);
  if (SUCCEEDED(hr)) {
    hr = device->DrawIndexedPrimitive(D3DPT_TRIANGLESTRIP, 0, 0, grid_.Cells(), 0,
                                      2 * grid_.Cells() - 2);
  }
  return hr;
}
