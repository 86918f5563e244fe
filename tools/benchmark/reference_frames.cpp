#include "tools/benchmark/reference_frames.h"

#include "render/current_device.h"
#include "render/textured_quad.h"
#include "tools/benchmark/frame_samples.h"
#include "tools/benchmark/stopwatch.h"

namespace {

constexpr int ReferenceFrames = 300;
constexpr UINT PictureWidth = 1024;
constexpr UINT PictureHeight = 768;

// A picture of the floor's size with a pattern in it, so the filter has something to blend.
IDirect3DTexture9* CreatePicture(IDirect3DDevice9* device) {
  IDirect3DTexture9* texture = nullptr;
  if (FAILED(device->CreateTexture(PictureWidth, PictureHeight, 1, 0, D3DFMT_X8R8G8B8,
                                   D3DPOOL_MANAGED, &texture, nullptr)))
    return nullptr;
  D3DLOCKED_RECT locked;
  if (SUCCEEDED(texture->LockRect(0, &locked, nullptr, 0))) {
    for (UINT y = 0; y < PictureHeight; ++y) {
      auto* row = reinterpret_cast<D3DCOLOR*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
      for (UINT x = 0; x < PictureWidth; ++x) row[x] = D3DCOLOR_XRGB(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF);
    }
    texture->UnlockRect(0);
  }
  return texture;
}

// The median of ReferenceFrames frames that clear, call `draw` and present.
template <class Draw>
double MedianFrame(OffscreenDevice& offscreen, Draw draw) {
  IDirect3DDevice9* device = offscreen.Device();
  FrameSamples samples;
  for (int i = 0; i < ReferenceFrames; ++i) {
    const Stopwatch stopwatch;
    device->BeginScene();
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0, 1.0f, 0);
    draw();
    device->EndScene();
    offscreen.PresentAndFinish();
    samples.Add(stopwatch.Milliseconds());
  }
  return samples.Median();
}

}  // namespace

double OnePictureFrameMilliseconds(OffscreenDevice& offscreen) {
  IDirect3DDevice9* device = offscreen.Device();
  CurrentDevice = device;
  IDirect3DTexture9* picture = CreatePicture(device);
  TexturedQuad quad;
  quad.SetTextureAndRect(picture, ScreenQuad::FullScreen());
  if (picture) picture->Release();  // the quad holds it
  const double milliseconds = MedianFrame(offscreen, [&] {
    device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    quad.BindScreenVertices();
    quad.Draw();
  });
  device->SetTexture(0, nullptr);
  return milliseconds;
}

double EmptyFrameMilliseconds(OffscreenDevice& offscreen) {
  return MedianFrame(offscreen, [] {});
}
