// The single 2D view: places the slide's picture on the target by picture position, builds the
// letterbox bars of Fit, and supplies the matrices with which lights and items draw in picture
// pixels (x right, y down). It also holds the camera's pan and zoom.
//
// Layout is pure arithmetic on the picture size, the target size and the back-buffer size;
// Setup applies it to the current device. Each output unit has a view of its own (see
// picture_layout.h); device objects never cross devices all the same: each device has its own
// four bars, made and drawn only on it.
#pragma once

#include <d3dx9math.h>

#include <array>
#include <map>

#include "render/color_screen_quad.h"
#include "render/picture_position.h"
#include "render/screen_quad.h"
#include "render/texture_entry.h"

class PictureView {
public:
  enum Bar { LeftBar, RightBar, TopBar, BottomBar };
  using Bars = std::array<ColorScreenQuad, 4>;

  PictureView();
  ~PictureView();
  PictureView(const PictureView&) = delete;
  PictureView& operator=(const PictureView&) = delete;

  // Lays the picture out on a w x h target and sets WORLD, VIEW and PROJECTION on the current
  // device; the current device's bars take the new layout. keepSize keeps every length in
  // target units instead of back-buffer pixels (for drawing into a render target of that size).
  void Setup(int w, int h, const TextureEntry& picture, int position, bool keepSize);
  // Every field of Setup, for a back buffer of backBufferWidth x backBufferHeight; no device.
  // A picture or target without a size is laid out as 1 x 1, never as a division by zero.
  void Layout(int w, int h, UINT pictureWidth, UINT pictureHeight, int position, bool keepSize,
              float backBufferWidth, float backBufferHeight);

  // The current device's four bars become opaque black rectangles over its whole back buffer.
  void ResetBars();
  // Draws the current device's bars, in Fit only.
  void DrawBars() const;
  // The bars made on `device`, or null when it has none.
  const Bars* BarsOf(IDirect3DDevice9* device) const;
  // Lets go of the bars of a device that is going away.
  void ReleaseDeviceObjects(IDirect3DDevice9* device);

  // WORLD, VIEW and PROJECTION := world, view, projection.
  void SetBaseMatrices() const;
  // WORLD := itemWorld x the picture's transform (ItemTransform).
  void SetWorld(const D3DXMATRIX& itemWorld) const;
  // itemWorld x pan/zoom x fill offset x fill scale x placement; without pan/zoom in position 3.
  D3DXMATRIX ItemTransform(const D3DXMATRIX& itemWorld) const;
  D3DXMATRIX* GetWorldViewProj(D3DXMATRIX* out, const D3DXMATRIX& itemWorld) const;
  // placement x view x projection; in position 3 the fill offset and scale come first.
  D3DXMATRIX* GetViewProj(D3DXMATRIX* out) const;

  // Zoom about a point chosen by pan: -1 keeps the left (top) edge, 0 the centre, +1 the right
  // (bottom) edge in place.
  void SetPanZoom(float zoom, float panX, float panY);
  float GetViewShiftX() const;
  float GetViewShiftY() const;

  D3DXMATRIX placement;   // picture pixels -> target units: Scaling(k, k, 1) x Translation(gx, gy, 0)
  D3DXMATRIX world;       // identity once set up
  D3DXMATRIX view;        // looks along +z from (0, 0, -1)
  D3DXMATRIX projection;  // orthographic over the target, y down
  D3DXMATRIX fillScale;   // the Stretch / Fill scale
  D3DXMATRIX fillOffset;  // makes fillScale act about the picture's centre
  float invFillScaleX = 1;
  float invFillScaleY = 1;
  float fillOffsetX = 0;
  float fillOffsetY = 0;
  D3DXMATRIX panZoom;     // the camera, in picture pixels
  ScreenQuad barQuads[4];  // the bars of the last layout (back-buffer pixels unless keepSize)
  int position = PositionFit;
  UINT pictureWidth = 0;
  UINT pictureHeight = 0;
  float targetPerFittedX = 1;  // target width / fitted picture width
  float targetPerFittedY = 1;  // target height / fitted picture height

private:
  D3DXMATRIX FillTransform() const;  // fillOffset x fillScale

  std::map<IDirect3DDevice9*, Bars> deviceBars_;
};
