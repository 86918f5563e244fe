// The run-time object of the falling leaves: the mesh once, each leaf a child frame of the
// mesh's frame with its own KQ_LeafFallAnim, drawn by the light once per child.
#pragma once

#include <memory>

#include "items/kq_abobj.h"
#include "items/objects3d/kq_3d_in_2d_array_constructor.h"
#include "render/textured_indexed_mesh.h"
#include "render/vertex_formats.h"

class KQ_3D_in_2D_array : public KQ_ABObj {
public:
  // Takes the mesh and texture from CurrentDocResManager's cache and makes `count` leaves.
  explicit KQ_3D_in_2D_array(std::unique_ptr<KQ_3D_in_2D_array_Constructor> settingsCopy);
  ~KQ_3D_in_2D_array() override;

  // Nothing without a leaf or without a mesh.
  void Draw(KQ_ABRender& light) override;
  // Sets AnimationClock to t, then animates every leaf.
  void Update(float t) override;

  TexturedIndexedMesh<DX_V::PNT> mesh;  // its frame carries the leaves
  KQ_3D_in_2D_array_Constructor* settings;
};
