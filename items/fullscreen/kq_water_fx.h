// Water: the picture as a water surface (effect 90). A bump image (pack picture 89) turns over
// time and pushes the picture about; two flow vectors along the angle, a profile curve, a
// shading amount, a half vector for highlights and a tint go with it. Unlike the directional
// effects this one turns by +angle.
#pragma once

#include "document/image_file_link.h"
#include "document/media_color.h"
#include "document/owned_control_list.h"
#include "items/fullscreen/kq_fx_constructor.h"
#include "items/item_class.h"

class KQ_WaterFX : public ItemClass<KQ_WaterFX, KQ_FX_Constructor> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_WaterFX";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.profile, s.bumpStrength, s.flowLength, s.flowPeriod, s.angle, s.shadows,
                    s.halfVectorZ, s.tint, s.bumpImage);
  }

  KQ_WaterFX();
  // A copy with a binding of its own and the direction made from its angle; the bump texture is
  // loaded again by the copy's CreateDeviceObjects.
  KQ_WaterFX(const KQ_WaterFX& other);
  KQ_WaterFX& operator=(const KQ_WaterFX&) = delete;

  // The bump image's first frame (none when the image has no frame), then the effect and mask.
  void CreateDeviceObjects(IDirect3DTexture9* const* maskSlot) override;
  // The clock, then the bump image's turn at the new time.
  void Update(float seconds) override;
  void ApplyEffectWith(EffectCalls& effect, KQ_ABRender& light) override;

  // direction := (1, 0) turned by +angle degrees.
  void OnAngleChanged();
  // "P1" and "P2" from the profile term a: (a - 1, -1, a - 1) and (1, rho, 1).
  void ProfileTerms(float p1[3], float p2[3]) const;

  IDirect3DTexture9* BumpTexture() const { return bumpTexture_.Get(); }

  UINTSclaleTo<float> profile{20, 0.0001f};       // a
  UINTSclaleTo<float> bumpStrength{20, 0.001f};   // the length of "BampTrans"
  UINTSclaleTo<float> flowLength{20, 0.00025f};
  UINTSclaleTo<float> flowPeriod{20, 0.0005f, 0.001f};
  MediaParamT<unsigned int> angle{40};            // degrees
  UINTSclaleTo<float> shadows{0, 0.01f};
  UINTSclaleTo<float> halfVectorZ{0, 0.1f};
  MediaColor tint{0x00FFFFFF};
  KQ_ImageFileLink bumpImage{89, L"tessaly.dll"};
  float bumpTransform[4] = {0, 0, 0, 0};  // row by row, sent as "BampTrans"
  D3DXVECTOR4 direction{1, 0, 0, 0};

private:
  void Bind();

  ComHolder<IDirect3DTexture9> bumpTexture_;
  OwnedControlList<KQ_WaterFX> bindings_{this};
};
