// Falling leaves: many copies of one small textured 3D mesh scattered over the picture, each
// drifting, swaying and tumbling on its own and wrapping round at the picture's edges. The
// mesh and its texture are asset records (bytes in the document or a content-pack resource).
#pragma once

#include "document/embedded_data.h"
#include "document/media_param_t.h"
#include "items/kq_abobj_constructor.h"
#include "items/objects3d/drift_parameters.h"

class KQ_3D_in_2D_array;

class KQ_3D_in_2D_array_Constructor : public KQ_ABObj_Constructor {
public:
  KQ_3D_in_2D_array_Constructor() = default;
  KQ_3D_in_2D_array_Constructor(const KQ_3D_in_2D_array_Constructor&) = default;

  void Write(KQ_IOF_Virtual& stream) const override;
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  // A KQ_3D_in_2D_array around a copy of these settings.
  std::unique_ptr<KQ_ABObj> CreateObject() override;

  KQ_3D_in_2D_array* runtimeObject = nullptr;  // the object made from this copy; not owned
  KQ_EmbeddedData meshData;                    // the .x mesh
  KQ_EmbeddedData textureData;                 // its texture
  MediaParamT<unsigned int> count{0};          // copies; fixed once the object is made
  DriftParameters motion;
};
