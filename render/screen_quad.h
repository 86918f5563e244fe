// A rectangle with texture coordinates, computed on the CPU: the description every quad mesh is
// filled from. Vertices are in triangle-strip order with y growing downwards: 0 bottom-left,
// 1 top-left, 2 bottom-right, 3 top-right.
#pragma once

#include <windows.h>

struct ScreenQuadVertex {
  float x, y, z, u, v;
};

struct ScreenQuad {
  // Positions 0, z 1 (the rhw of pre-transformed quads), uv spanning the texture.
  ScreenQuad();

  // The rectangle [left, right] x [top, bottom] with the default z and uv.
  static ScreenQuad Rectangle(float left, float top, float right, float bottom);
  // The whole back buffer of the current device.
  static ScreenQuad FullScreen();
  // A picture of the given size fitted into w x h with its aspect kept, centred. A picture
  // without a size counts as 1 x 1.
  static ScreenQuad FitImage(UINT pictureWidth, UINT pictureHeight, float w, float h);
  // The loading splash's square: two thirds of the back-buffer height, centred.
  static ScreenQuad CenteredSquare(UINT backBufferWidth, UINT backBufferHeight);

  // Every x times toWidth / fromWidth, every y times toHeight / fromHeight.
  void ScaleToSize(float fromWidth, float fromHeight, float toWidth, float toHeight);
  // From design size w x h to back-buffer pixels of the current device.
  void ScaleToBackBuffer(float w, float h);

  float Left() const { return vertices[0].x; }
  float Top() const { return vertices[1].y; }
  float Right() const { return vertices[3].x; }
  float Bottom() const { return vertices[2].y; }

  ScreenQuadVertex vertices[4];
};
