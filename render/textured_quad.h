// A pre-transformed textured quad (positions in back-buffer pixels): the loading splash, the
// background and scroll quads of the effect lights.
#pragma once

#include "render/kq_simple_mesh.h"
#include "render/screen_quad.h"
#include "render/vertex_formats.h"

class TexturedQuad : public KQ_SimpleMesh<DX_V::TPCT> {
public:
  TexturedQuad() = default;
  TexturedQuad(const TexturedQuad&) = delete;
  TexturedQuad& operator=(const TexturedQuad&) = delete;
  ~TexturedQuad() { ReleaseAndNull(&texture); }

  // Holds `picture` (a reference added; null leaves the quad untextured) and fills a new buffer
  // from `quad` with white, opaque vertices.
  void SetTextureAndRect(IDirect3DTexture9* picture, const ScreenQuad& quad);
  void SetRectUntextured(const ScreenQuad& quad) { SetTextureAndRect(nullptr, quad); }
  // Rewrites positions and uv of the existing buffer; colours are kept.
  void SetRect(const ScreenQuad& quad);
  // Into the locked vertices: x, y from the quad, z 0, rhw the quad's z, uv from the quad.
  void SetPositionsAndUV(const ScreenQuad& quad);
  // The alpha byte of every vertex := trunc(factor x scale), scale 0..255.
  void SetAlpha(int scale, float factor);
  // Texture 0 and the vertex stream; the caller draws.
  void BindScreenVertices() const;

  IDirect3DTexture9* texture = nullptr;
};
