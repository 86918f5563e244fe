// The picture layout of one output unit: how the slide's picture sits on the unit's back buffer
// (the view, with the bars) and where it lands in its pixels (the frame). Monitors of different
// sizes and aspects each keep their own, so a slide start on one never moves the picture or the
// bars of another. The application makes a unit's layout current whenever it selects the unit,
// as it makes the unit's device current; lights and items reach it only through the accessors.
#pragma once

#include "render/picture_view.h"
#include "render/view_frame.h"

struct PictureLayout {
  PictureLayout() = default;
  PictureLayout(const PictureLayout&) = delete;
  PictureLayout& operator=(const PictureLayout&) = delete;
  // A layout that goes while current hands over to the process's own.
  ~PictureLayout();

  PictureView view;
  ViewFrame frame;
};

// From now on the current layout is `layout`.
void MakeLayoutCurrent(PictureLayout& layout);

// The current unit's view and frame; the process's own layout until a unit is selected, which
// is all a single target needs.
PictureView& CurrentPictureView();
ViewFrame& CurrentViewFrame();
