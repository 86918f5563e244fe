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

// The median of ReferenceFrames calls of `play`, each returning a frame's milliseconds.
template <class Play>
double MedianOf(Play play) {
  FrameSamples samples;
  for (int i = 0; i < ReferenceFrames; ++i) samples.Add(play());
  return samples.Median();
}

}  // namespace

OnePictureFrame::OnePictureFrame(OffscreenDevice& offscreen) : offscreen_(offscreen) {
  CurrentDevice = offscreen.Device();
  IDirect3DTexture9* picture = CreatePicture(offscreen.Device());
  quad_.SetTextureAndRect(picture, ScreenQuad::FullScreen());
  if (picture) picture->Release();  // the quad holds it
}

double OnePictureFrame::Play() {
  IDirect3DDevice9* device = offscreen_.Device();
  IDirect3DStateBlock9* before = nullptr;
  device->CreateStateBlock(D3DSBT_ALL, &before);
  const Stopwatch stopwatch;
  device->BeginScene();
  device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0, 1.0f, 0);
  device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
  device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
  quad_.BindScreenVertices();
  quad_.Draw();
  device->EndScene();
  offscreen_.PresentAndFinish();
  const double milliseconds = stopwatch.Milliseconds();
  if (before) {
    before->Apply();
    before->Release();
  }
  return milliseconds;
}

double OnePictureFrameMilliseconds(OffscreenDevice& offscreen) {
  OnePictureFrame frame(offscreen);
  return MedianOf([&] { return frame.Play(); });
}

double EmptyFrameMilliseconds(OffscreenDevice& offscreen) {
  IDirect3DDevice9* device = offscreen.Device();
  return MedianOf([&] {
    const Stopwatch stopwatch;
    device->BeginScene();
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0, 1.0f, 0);
    device->EndScene();
    offscreen.PresentAndFinish();
    return stopwatch.Milliseconds();
  });
}
