// One particle of a particle system: a sprite quad centred on its position, spanned by a right
// and an up axis and its two half sizes, with its own alpha and colour. What the fields mean
// beyond that is up to the class that moves it (some keep a rest position or a phase in the
// velocity); the geometry only turns particles into quads.
#pragma once

#include <d3d9.h>
#include <d3dx9math.h>

class KQ_BaseSpriteProp;
class KQ_ViewObjCtrl;

struct Particle {
  // The defaults of a new particle: centred on (100, 100), upright, a random size factor
  // (one draw), the half sizes for the image's aspect (height / width of one frame).
  void Init(const KQ_BaseSpriteProp& settings, float imageAspect);

  // The corner the quad is spanned from: position - hw x right - hh x up.
  D3DXVECTOR3 Corner() const;
  // colour := the settings' tint with this particle's alpha.
  void RefreshColour(const KQ_BaseSpriteProp& settings);
  // Half sizes from the settings' size, the size factor and the aspect; the longer side is
  // size x size factor.
  void ApplyHalfSize(const KQ_BaseSpriteProp& settings);

  // The sprite lies entirely outside that edge of the area.
  bool IsLeftOfArea(const KQ_ViewObjCtrl& area) const;
  bool IsRightOfArea(const KQ_ViewObjCtrl& area) const;
  bool IsAboveArea(const KQ_ViewObjCtrl& area) const;
  bool IsBelowArea(const KQ_ViewObjCtrl& area) const;
  // The sprite's edge has passed that edge of the area.
  bool CrossesTop(const KQ_ViewObjCtrl& area) const;
  bool CrossesBottom(const KQ_ViewObjCtrl& area) const;
  bool CrossesRight(const KQ_ViewObjCtrl& area) const;

  D3DXVECTOR3 drift{0, 0, 0};     // extra velocity (the flow's edge bounce)
  D3DXVECTOR3 velocity{0, 0, 0};  // picture pixels per scaled second, unless a class says
  D3DXVECTOR3 position{0, 0, 0};  // sprite centre in picture pixels
  float sizeFactor = 1;           // times the settings' size
  D3DXMATRIX rotationStep{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};  // per frame (fog)
  float vTop = 0;                 // texture v at the sprite's top and bottom edges
  float vBottom = 1;
  float uLeft = 0;                // texture u at its left and right edges
  float uRight = 1;
  float halfWidth = 0;            // picture pixels; negative mirrors the sprite
  float halfHeight = 0;
  float aspect = 1;               // height / width of the image (of one sheet frame)
  D3DXVECTOR3 right{1, 0, 0};     // direction of the sprite's width
  D3DXVECTOR3 up{0, 1, 0};        // direction of its height; (0, 1, 0) points down the picture
  float alpha = 1;                // 0..1
  float lastChange = 0;           // time of the last random change (scaled or application)
  D3DCOLOR colour = 0;            // ARGB from the settings and the alpha
  float alphaVelocity = 0;        // alpha change per scaled second
};
