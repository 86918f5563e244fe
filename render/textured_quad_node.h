// The picture quad of every light: a textured quad in picture pixels, with the picture's
// TextureEntry beside the quad's own texture.
#pragma once

#include "render/kq_simple_mesh.h"
#include "render/texture_entry.h"
#include "render/vertex_formats.h"

class TexturedQuadNode : public KQ_SimpleMesh<DX_V::PT> {
public:
  TexturedQuadNode() = default;
  TexturedQuadNode(const TexturedQuadNode&) = delete;
  TexturedQuadNode& operator=(const TexturedQuadNode&) = delete;
  ~TexturedQuadNode() { ReleaseAndNull(&texture); }

  // A new strip whose uv span the texture; positions 0 until SetSize.
  void CreateQuad();
  // Positions spanning w x h picture pixels from the origin, z 0.
  void SetSize(float w, float h);
  // The quad's texture := entry.texture (a reference added), sized to the entry's picture.
  void SetPicture(const TextureEntry& picture);

  IDirect3DTexture9* texture = nullptr;  // what the quad is drawn with
  TextureEntry entry;                    // the picture
};

// Texture 0 from the quad, then its vertex stream; the caller draws.
void BindTexturedQuadPT(const TexturedQuadNode& quad);
