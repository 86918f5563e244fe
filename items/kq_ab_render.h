// The renderer items draw through: a slide's light. Items never set up the device for their
// main draws themselves; they hand their geometry (and, for shader-driven items, their effect)
// to one of these services, which sets the transforms and the states that kind of geometry
// needs. Items may also lay the picture out on a render target of their own, and read the
// picture and the scene drawn so far.
#pragma once

#include <d3d9.h>
#include <d3dx9effect.h>

#include "document/kq_iof_item.h"
#include "items/mesh_part.h"
#include "render/kq_indexed_mesh.h"
#include "render/ping_pong_target.h"
#include "render/sprite_batch.h"
#include "render/textured_indexed_mesh.h"
#include "render/textured_quad_node.h"
#include "render/vertex_formats.h"

class KQ_ABRender : public KQ_IOF_Item {
public:
  // Lays the picture and the items out in the pixels of `target` (which the caller binds) in
  // picture position `position`, until the matching PopTargetSize. Pushes nest.
  virtual void PushTargetSize(const PingPongTarget& target, int position) = 0;
  // Back to the size and position before the last push; nothing when there was none.
  virtual void PopTargetSize() = 0;

  // Every pass of the effect's current technique over the mesh. The indexed draw sets no
  // transform (the effect places the geometry itself); the other two place the mesh's frame.
  virtual void DrawIndexedWithEffect(const KQ_IndexedMesh<DX_V::PT>& mesh, ID3DXEffect* effect) = 0;
  virtual void DrawQuadWithEffect(const KQ_SimpleMesh<DX_V::PT>& mesh, ID3DXEffect* effect) = 0;
  virtual void DrawSpritesWithEffect(const KQ_IndexedMesh<DX_V::PCT>& mesh,
                                     ID3DXEffect* effect) = 0;

  // The part at each of its frames; a part with its blend flag is blended and drawn twice per
  // frame, back faces first.
  virtual void DrawMeshPart(const MeshPart& part) = 0;
  virtual void DrawSprites(const SpriteBatch& sprites) = 0;
  // The mesh at each child frame of its own frame, both faces, with the texture's alpha.
  virtual void DrawMeshFrames(const TexturedIndexedMesh<DX_V::PNT>& mesh) = 0;

  // Where the scene texture lives: read it when binding. It holds the picture, or, while an
  // item that needs the captured scene draws, what was drawn before that item.
  virtual IDirect3DTexture9* const* GetSceneTexture() const = 0;
  virtual const TexturedQuadNode& GetPictureQuad() const = 0;
  // The picture's size in pixels.
  virtual UINT GetPictureWidth() const = 0;
  virtual UINT GetPictureHeight() const = 0;
};
