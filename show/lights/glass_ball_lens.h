// The arithmetic of the glass-ball lens, apart from the device: how far the eye stands and how
// much the lens magnifies, the sway and scroll of the ball's content, the background's fitted
// layout with its bars, and the transforms of the ball with the texture transform that maps the
// ball's camera-space position onto the captured scene.
#pragma once

#include <d3dx9math.h>

#include "render/screen_quad.h"

struct LensParameters {
  float eyeDistance = -600.0f;  // z of the eye (negative)
  float lensScale = 1.0f;       // magnification of the lens pass
  float swayAmplitude = 0.0f;   // texture-space amplitude of the sway
};

// Ball size and magnification are percentages; zoomX is the background's camera zoom and
// fitShareY the share of the target height the fitted background covers.
LensParameters ComputeLensParameters(unsigned ballSize, unsigned magnification, float zoomX,
                                     float fitShareY);

// x - floor(x).
float Frac(float x);
// The sway at a motion phase: a triangle wave between -1 and 1, a period of 2 phase units.
float SwayAtPhase(float phase);
// How far (a share of the width) the first scroll copy stands right of the screen's left edge:
// motion mode 1 scrolls one way, every other scrolling mode the other.
float ScrollShare(int motionMode, float phase);

// The fitted background (back-buffer pixels or, while pushed, target units) and what the
// camera makes of it.
struct BackgroundLayout {
  ScreenQuad fitted;      // aspect-fitted, neither zoomed nor panned
  ScreenQuad background;  // zoomed about its top-left corner, then panned
  ScreenQuad bars[4];     // left, right, top, bottom: cut the zoomed background back to `fitted`
  float zoomX = 1, zoomY = 1;
  float panX = 0, panY = 0;
  float fitShareX = 1, fitShareY = 1;  // shares of the target the zoomed background covers
};

// `transform` is the picture view's pan/zoom x fill offset x fill scale for the background, whose
// image is backgroundWidth x backgroundHeight (0 counts as 1).
BackgroundLayout LayOutBackground(const ScreenQuad& fitted, const D3DXMATRIX& transform,
                                  UINT backgroundWidth, UINT backgroundHeight);

// Everything the ball's transforms depend on.
struct LensView {
  POINT ballPosition = {0, 0};  // design units
  unsigned magnification = 0;
  LensParameters lens;
  float zoomX = 1, zoomY = 1, panX = 0, panY = 0;
  float fitShareX = 1, fitShareY = 1;
  float drawWidth = 1, drawHeight = 1;      // W x H: the size the light draws at
  float targetWidth = 1, targetHeight = 1;  // the light's stored target size
  UINT pictureWidth = 0, pictureHeight = 0;
  UINT backgroundWidth = 0, backgroundHeight = 0;
  int backgroundMode = 0;
  float sway = 0;
};

struct LensTransforms {
  D3DXMATRIX world, view, projection;
  D3DXMATRIX texture;  // for stage 1; only its first two columns matter
};

// The lens pass shows the scene under the ball magnified and shifted by the sway; the other
// pass maps the ball onto the background at the background's own scale.
LensTransforms ComputeLensTransforms(const LensView& v, bool lensPass);

// The mask pass: the texture transform of the other pass undone by the background's zoom and
// pan, so that the background drawn through it lines up with the background quad.
D3DXMATRIX MaskTextureTransform(const D3DXMATRIX& otherPass, const LensView& v);
