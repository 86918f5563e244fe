#include "render/textured_quad.h"

#include "render/back_buffer.h"
#include "render/quad_colors.h"

void TexturedQuad::SetTextureAndRect(IDirect3DTexture9* picture, const ScreenQuad& quad) {
  ShareReference(&texture, picture);
  CreateQuadStrip();
  if (!LockVertices()) return;
  SetPositionsAndUV(quad);
  SetQuadColor(lockedVertices, 0xFFFFFFFF);
  UnlockVertices();
}

void TexturedQuad::SetRect(const ScreenQuad& quad) {
  if (!LockVertices()) return;
  SetPositionsAndUV(quad);
  UnlockVertices();
}

void TexturedQuad::SetPositionsAndUV(const ScreenQuad& quad) {
  for (int i = 0; i < 4; ++i) {
    const ScreenQuadVertex& from = quad.vertices[i];
    DX_V::TPCT& to = lockedVertices[i];
    to.x = from.x;
    to.y = from.y;
    to.z = 0;
    to.rhw = from.z;
    to.u = from.u;
    to.v = from.v;
  }
}

void TexturedQuad::SetAlpha(int scale, float factor) {
  if (!LockVertices()) return;
  const DWORD alpha = AlphaByte(factor * static_cast<float>(scale));
  for (int i = 0; i < 4; ++i) lockedVertices[i].color = WithAlpha(lockedVertices[i].color, alpha);
  UnlockVertices();
}

void TexturedQuad::BindScreenVertices() const {
  CurrentDevice->SetTexture(0, texture);
  Bind();
}
