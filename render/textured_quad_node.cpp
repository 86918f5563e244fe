#include "render/textured_quad_node.h"

#include "render/screen_quad.h"

void TexturedQuadNode::CreateQuad() {
  CreateQuadStrip();
  if (!LockVertices()) return;
  const ScreenQuad corners;
  for (int i = 0; i < 4; ++i) {
    lockedVertices[i] = {0, 0, 0, corners.vertices[i].u, corners.vertices[i].v};
  }
  UnlockVertices();
}

void TexturedQuadNode::SetSize(float w, float h) {
  if (!LockVertices()) return;
  const ScreenQuad size = ScreenQuad::Rectangle(0, 0, w, h);
  for (int i = 0; i < 4; ++i) {
    lockedVertices[i].x = size.vertices[i].x;
    lockedVertices[i].y = size.vertices[i].y;
    lockedVertices[i].z = 0;
  }
  UnlockVertices();
}

void TexturedQuadNode::SetPicture(const TextureEntry& picture) {
  ShareReference(&texture, picture.texture.Get());
  SetSize(static_cast<float>(picture.width), static_cast<float>(picture.height));
}

void BindTexturedQuadPT(const TexturedQuadNode& quad) {
  CurrentDevice->SetTexture(0, quad.texture);
  quad.Bind();
}
