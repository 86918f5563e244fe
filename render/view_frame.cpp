#include "render/view_frame.h"

#include <algorithm>

#include "render/back_buffer.h"
#include "render/picture_layout.h"

void ViewFrame::Map(const ScreenQuad& fittedPicture, int w, int h, int picW, int picH,
                    float backBufferWidth, float backBufferHeight) {
  scaleX = backBufferWidth / static_cast<float>(std::max(w, 1));
  scaleY = backBufferHeight / static_cast<float>(std::max(h, 1));
  pictureQuad = fittedPicture;
  pictureWidth = picW;
  pictureHeight = picH;
}

D3DXVECTOR3 ViewFrame::ScreenToPicture(float x, float y, float z, const PictureView& view) const {
  const float left = pictureQuad.vertices[0].x;
  const float right = pictureQuad.vertices[3].x;
  const float top = pictureQuad.vertices[1].y;
  const float bottom = pictureQuad.vertices[2].y;
  if (right == left || bottom == top) return D3DXVECTOR3(x, y, z);
  return D3DXVECTOR3(
      static_cast<float>(pictureWidth) * (x - left) / (right - left) * view.invFillScaleX -
          view.fillOffsetX,
      static_cast<float>(pictureHeight) * (y - top) / (bottom - top) * view.invFillScaleY -
          view.fillOffsetY,
      z);
}

void SetScreenMapping(const ScreenQuad& pictureQuad, int w, int h, int pictureWidth,
                      int pictureHeight) {
  D3DSURFACE_DESC backBuffer;
  GetBackBufferDesc(backBuffer);
  CurrentViewFrame().Map(pictureQuad, w, h, pictureWidth, pictureHeight,
                         static_cast<float>(backBuffer.Width),
                         static_cast<float>(backBuffer.Height));
}
