// Fire: flames from a pattern image and a noise image (effect 92), the noise scrolling at three
// rates, tinted from a start colour towards an end colour. As an item it burns on a grid whose
// four corners are settings in picture pixels; the effect places the grid itself
// ("WorldViewProj"). The flame light embeds one and draws it on a quad of its own, with the
// same noise parameters (SetNoiseParameters).
//
// It always draws with technique "Main", whatever the as-effect switch says; the switch still
// decides whether "Background" is the captured scene.
#pragma once

#include "document/image_file_link.h"
#include "document/media_color.h"
#include "document/media_quad.h"
#include "items/fullscreen/kq_fx_constructor.h"
#include "items/item_class.h"
#include "render/grid_mesh.h"

class KQ_FireFX : public ItemClass<KQ_FireFX, KQ_FX_Constructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_FireFX";
  static constexpr unsigned long Version = 2;
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.corners, s.endColor, s.startColor, s.auxInt1, s.patternImage, s.noiseImage,
                    s.auxInt2, s.density, s.brightness, s.patternSize);
  }

  KQ_FireFX();
  // Copies share the textures and the grid's buffers, with a reference each.
  KQ_FireFX(const KQ_FireFX& other) = default;
  KQ_FireFX& operator=(const KQ_FireFX& other) = default;

  // The fields of this class's section when `version` is above 1, then the base sections.
  void Read(KQ_IOF_Virtual& stream, unsigned long version);

  // The effect and the mask, the first frames of both images (none for an image without
  // frames), and the grid over the corners; later changes of the corners or of the pattern
  // size show from the next call on.
  void CreateDeviceObjects(IDirect3DTexture9* const* maskSlot) override;
  void ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) override;
  // The flames are blended over what lies under their grid.
  bool HidesPicture() const override { return false; }

  // What the flame needs wherever it is drawn: the matrices for a mesh with `meshFrame`, the
  // two images and the three noise offsets at the clock's time.
  void SetNoiseParameters(EffectCalls& effect, const KQ_Frame& meshFrame) const;
  // The corners with u from 0 to 1 / pattern size across and v from 0 to 1 along each side.
  ScreenQuad FireQuad() const;

  IDirect3DTexture9* PatternTexture() const { return patternTexture_.Get(); }
  IDirect3DTexture9* NoiseTexture() const { return noiseTexture_.Get(); }
  const GridMesh& Grid() const { return grid_; }

  MediaQuad corners;                  // picture pixels
  MediaColor endColor{0x0000FFFF};    // "ColorK2" is its difference from the start colour
  MediaColor startColor{0x000000FF};  // "ColorK1"
  MediaParamT<int> auxInt1;           // kept with the document; nothing uses it
  KQ_ImageFileLink patternImage{93, L"tessaly.dll"};
  KQ_ImageFileLink noiseImage{8, L"tessaly.dll"};
  MediaParamTB<int> auxInt2;          // kept with the document; nothing uses it
  UINTSclaleTo<float> density{100, 0.01f, -1.0f};
  UINTSclaleTo<float> brightness{15, 0.02f};
  UINTSclaleTo<float> patternSize{100, 0.01f};  // s: the pattern repeats 1 / s times across

private:
  ComHolder<IDirect3DTexture9> patternTexture_;
  ComHolder<IDirect3DTexture9> noiseTexture_;
  GridMesh grid_;
};

// A whole "KQ_FireFX" section, header included, into a new fire with its defaults.
std::unique_ptr<KQ_FireFX> ReadFireFX(KQ_IOF_Virtual& stream);
