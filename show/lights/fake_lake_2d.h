// The lake reflection light: the band of the picture just above a horizon line is mirrored into
// the area below it, rippled by fixed-function bump-environment mapping whose matrix turns
// slowly, and covered by a translucent water colour, thickest at the bottom, with a soft band
// above the horizon. All of it happens in RenderBackground; the rest is the plain light.
//
// The mirror image comes from a square copy of the picture (stage 1), its lookups pushed by the
// V8U8 bump texture the document carries under the light's GUID key (stage 0). The document's
// editor generated that texture; the player looks it up, and Write hands it back.
#pragma once

#include "document/guid_key.h"
#include "document/media_color.h"
#include "document/media_speed_param.h"
#include "render/color_quad.h"
#include "show/kq_2d_light.h"
#include "show/lights/lake_geometry.h"

class FakeLake2D : public KQ_2D_Light {
public:
  static constexpr unsigned long CurrentVersion = 2;

  FakeLake2D();
  ~FakeLake2D() override;

  void Read(KQ_IOF_Virtual& stream, unsigned long version);
  // Puts the bump texture in the document's GUID textures under the bump key, then the section.
  void Write(KQ_IOF_Virtual& stream) const override;

  void InitDeviceObjects() override;
  void RestoreDeviceObjects() override;
  void FrameMove(float t) override;
  void OnPictureChanged() override;

  const BumpMatrix& CurrentBumpMatrix() const { return bumpMatrix_; }
  IDirect3DTexture9* BumpTexture() const { return bumpTexture_; }
  IDirect3DTexture9* ReflectionTexture() const { return reflectionTexture_; }

  MediaSpeedParam waveSpeed{50, 0.02f};                // the wave clock's rate
  UINTSclaleTo<float> bumpTiling{100, 0.01f};          // bump-map repeats across the lake
  UINTSclaleTo<float> lakeShare{25, -0.005f, 0.5f};    // fraction of the picture height
  UINTSclaleTo<float> generatorLevel{100, 0.01f};      // for the editor's bump generator
  UINTSclaleTo<float> tintStrength{31, 0.008f};        // water-colour alpha at the bottom
  UINTSclaleTo<float> tintFade{58, 0.01f};             // horizon alpha = strength x (1 - fade)
  MediaParamT<unsigned int> bumpAmplitude{25};         // for the editor's bump generator
  MediaParamT<unsigned int> bandHeight{7};             // picture pixels above the horizon
  MediaParamT<int> reflectionSize{1};                  // reflection is 128 << n pixels square
  MediaColor waterColor{0x408000};
  GuidKey bumpKey;                                     // the bump texture in the document

protected:
  void DrawBackground(PictureDraw picture) override;

private:
  // The lake mesh, the tint and the band for the current picture and settings.
  void UpdateLakeGeometry();
  void SetBumpStages() const;

  IDirect3DTexture9* reflectionTexture_ = nullptr;  // square copy of the picture
  ColorQuad tintQuad_;
  ColorQuad bandQuad_;
  BumpMatrix bumpMatrix_ = LakeBumpMatrix(0);  // set before the first FrameMove, too
  KQ_SimpleMesh<LakeVertex> lakeMesh_;
  IDirect3DTexture9* bumpTexture_ = nullptr;   // a reference of its own
};
