// The current background picture's pixel size and where it sits in the back buffer. Item areas
// are fractions of this picture size; hit tests map back-buffer points into picture pixels.
// The light of the unit's current slide defines it when it is resized.
#pragma once

#include <d3dx9math.h>

#include "render/picture_view.h"
#include "render/screen_quad.h"

class ViewFrame {
public:
  // Every field, for a back buffer of backBufferWidth x backBufferHeight; no device.
  void Map(const ScreenQuad& fittedPicture, int w, int h, int picW, int picH,
           float backBufferWidth, float backBufferHeight);

  // A back-buffer point in picture pixels; undoes the view's fill scale, not the camera. A point
  // is returned unchanged while the picture quad has no area (nothing has been mapped yet).
  D3DXVECTOR3 ScreenToPicture(float x, float y, float z, const PictureView& view) const;

  float scaleX = 0;  // back-buffer pixels per target unit, horizontally
  float scaleY = 0;  // the same, vertically
  ScreenQuad pictureQuad;  // the picture aspect-fitted into the back buffer, in its pixels
  int pictureWidth = 0;
  int pictureHeight = 0;
};

// Maps the current unit's frame for a light drawing its picture at w x h on the current device.
void SetScreenMapping(const ScreenQuad& pictureQuad, int w, int h, int pictureWidth,
                      int pictureHeight);
