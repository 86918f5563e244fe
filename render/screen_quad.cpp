#include "render/screen_quad.h"

#include "render/back_buffer.h"

ScreenQuad::ScreenQuad()
    : vertices{{0, 0, 1, 0, 1}, {0, 0, 1, 0, 0}, {0, 0, 1, 1, 1}, {0, 0, 1, 1, 0}} {}

ScreenQuad ScreenQuad::Rectangle(float left, float top, float right, float bottom) {
  ScreenQuad quad;
  quad.vertices[0].x = left;
  quad.vertices[0].y = bottom;
  quad.vertices[1].x = left;
  quad.vertices[1].y = top;
  quad.vertices[2].x = right;
  quad.vertices[2].y = bottom;
  quad.vertices[3].x = right;
  quad.vertices[3].y = top;
  return quad;
}

ScreenQuad ScreenQuad::FullScreen() {
  D3DSURFACE_DESC backBuffer;
  GetBackBufferDesc(backBuffer);
  return Rectangle(0, 0, static_cast<float>(backBuffer.Width),
                   static_cast<float>(backBuffer.Height));
}

ScreenQuad ScreenQuad::FitImage(UINT pictureWidth, UINT pictureHeight, float w, float h) {
  const float aspect = static_cast<float>(pictureHeight ? pictureHeight : 1) /
                       static_cast<float>(pictureWidth ? pictureWidth : 1);
  float left = 0, top = 0, width = w, height = h;
  if (aspect > h / w) {
    width = h / aspect;
    left = (w - width) / 2;
  } else {
    height = w * aspect;
    top = (h - height) / 2;
  }
  return Rectangle(left, top, left + width, top + height);
}

ScreenQuad ScreenQuad::CenteredSquare(UINT backBufferWidth, UINT backBufferHeight) {
  const float side = static_cast<float>(backBufferHeight) * 2 / 3;
  const float left = (static_cast<float>(backBufferWidth) - side) / 2;
  const float top = (static_cast<float>(backBufferHeight) - side) / 2;
  return Rectangle(left, top, left + side, top + side);
}

void ScreenQuad::ScaleToSize(float fromWidth, float fromHeight, float toWidth, float toHeight) {
  for (ScreenQuadVertex& vertex : vertices) {
    vertex.x = vertex.x * toWidth / fromWidth;
    vertex.y = vertex.y * toHeight / fromHeight;
  }
}

void ScreenQuad::ScaleToBackBuffer(float w, float h) {
  D3DSURFACE_DESC backBuffer;
  GetBackBufferDesc(backBuffer);
  ScaleToSize(w, h, static_cast<float>(backBuffer.Width), static_cast<float>(backBuffer.Height));
}
