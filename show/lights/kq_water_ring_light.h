// The water-ring light: the picture seen through a rain-struck water surface. A ripple surface
// gets a random drop at a fixed rate and is drawn as a lit mesh, seen from straight above with
// an orthographic camera, whose texture coordinates refract into the picture and whose specular
// highlights come from one directional light.
//
// In mode 1 the water covers the whole scene: picture and items are captured first and the water
// is drawn from the capture after them. In any other mode the water, textured with the picture
// alone, is the background and the items are drawn over it, with lighting switched off around the
// fixed-function item services (the light keeps it on for the water).
#pragma once

#include <d3dx9math.h>

#include <memory>

#include "document/scaled_param.h"
#include "show/kq_2d_light.h"
#include "show/lights/water_ripple_surface.h"

class KQ_WaterRingLight : public KQ_2D_Light {
public:
  static constexpr unsigned long CurrentVersion = 2;

  KQ_WaterRingLight();
  ~KQ_WaterRingLight() override;

  void Read(KQ_IOF_Virtual& stream, unsigned long version);
  void Write(KQ_IOF_Virtual& stream) const override;

  void DrawMeshPart(const MeshPart& part) override;
  void DrawSprites(const SpriteBatch& sprites) override;
  void DrawMeshFrames(const TexturedIndexedMesh<DX_V::PNT>& mesh) override;

  void InitDeviceObjects() override;
  void RestoreDeviceObjects() override;
  void InvalidateDeviceObjects() override;
  void RenderEffect() override;
  void FrameMove(float t) override;
  void Resize(int width, int height) override;
  void SetPicturePosition(int position) override;
  void DrawFadeQuad(const ColorScreenQuad& quad) override;
  bool NeedsSceneCapture() const override { return mode.Get() == 1; }

  const WaterRippleSurface& Surface() const { return *surface_; }

  MediaParamT<int> mode{0};                  // 1: water over the captured scene
  MediaParamT<unsigned int> waveSpeed{0};
  MediaParamT<unsigned int> rowDetail{0};
  MediaParamT<unsigned int> columnDetail{0};
  MediaParamT<unsigned int> dropStrength{50};
  MediaParamT<unsigned int> calm{50};
  MediaParamT<unsigned int> depth{20};
  UINTSclaleTo<float> dropRate;               // drops per second
  UINTSclaleTo<float> specular;               // the material's specular level
  UINTSclaleTo<float> shininess;              // the material's specular power

protected:
  void DrawBackground(PictureDraw picture) override;

private:
  // The surface's physics from the settings, then a new flat grid for the picture with one drop.
  void ResetSurface();
  void SetMaterial() const;
  // The water, textured with `texture`, through the water camera laid over the picture layout.
  void DrawWater(IDirect3DTexture9* texture);
  // A base item service with lighting off around it.
  template <class Draw>
  void Unlit(Draw draw);

  std::unique_ptr<WaterRippleSurface> surface_ = std::make_unique<WaterRippleSurface>();
  D3DVECTOR lightDirection_ = {0.5f, -1, 1};
  D3DCOLORVALUE lightColor_ = {1, 1, 1, 1};
  D3DXMATRIX waterWorld_;
  D3DXMATRIX waterView_;        // inverse of the water camera
  D3DXMATRIX waterCamera_;      // looking straight down from 120 above the water
  D3DXMATRIX waterProjection_;
  float lastDropTime_ = 0;      // show time of the last drop
  int waterWidth_ = 0;          // the size last given to Resize
  int waterHeight_ = 0;
};
