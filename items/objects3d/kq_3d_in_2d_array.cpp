#include "items/objects3d/kq_3d_in_2d_array.h"

#include "document/doc_res_manager.h"
#include "items/kq_ab_render.h"
#include "items/objects3d/animation_clock.h"
#include "items/objects3d/kq_leaf_fall_anim.h"

KQ_3D_in_2D_array::KQ_3D_in_2D_array(
    std::unique_ptr<KQ_3D_in_2D_array_Constructor> settingsCopy)
    : KQ_ABObj(std::move(settingsCopy)),
      settings(static_cast<KQ_3D_in_2D_array_Constructor*>(&Settings())) {
  settings->runtimeObject = this;
  if (CurrentDocResManager) {
    DocResCache& cache = CurrentDocResManager->GetDocResCache();
    const TextureEntry texture = cache.GetEmbeddedDataTexture(settings->textureData);
    ShareReference(&mesh.texture, texture.texture.Get());
    // A mesh that cannot be made leaves the buffers out, so nothing is drawn.
    const MeshRecord record = cache.GetEmbeddedDataMesh(settings->meshData, sizeof(DX_V::PNT));
    if (record.IsLoaded()) {
      ShareReference(&mesh.vertexBuffer, record.vertices.Get());
      ShareReference(&mesh.indexBuffer, record.indices.Get());
      mesh.vertexCount = record.vertexCount;
      mesh.triangleCount = record.faceCount;
      mesh.frame.radius = record.radius;
      mesh.frame.centre = record.centre;
    }
  }
  mesh.primitiveType = D3DPT_TRIANGLELIST;
  while (mesh.frame.children.size() < settings->count.Get()) {
    KQ_Frame* leaf = mesh.frame.AddChild();
    leaf->animator = std::make_shared<KQ_LeafFallAnim>(settings->motion);
    // Each copy turns about its own centre.
    leaf->local._41 = -mesh.frame.centre.x;
    leaf->local._42 = -mesh.frame.centre.y;
    leaf->local._43 = -mesh.frame.centre.z;
  }
}

KQ_3D_in_2D_array::~KQ_3D_in_2D_array() { DestroyTexturedMeshWithChildren(mesh); }

void KQ_3D_in_2D_array::Draw(KQ_ABRender& light) {
  if (mesh.frame.children.empty() || !mesh.vertexBuffer) return;
  light.DrawMeshFrames(mesh);
}

void KQ_3D_in_2D_array::Update(float t) {
  AnimationClock = t;
  mesh.frame.world = mesh.frame.local;
  for (KQ_Frame* leaf : mesh.frame.children) leaf->UpdateTransforms(&mesh.frame.world);
}
