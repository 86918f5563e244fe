#include "render/picture_layout.h"

namespace {

PictureLayout processLayout;
PictureLayout* current = &processLayout;

}  // namespace

PictureLayout::~PictureLayout() {
  if (current == this) current = &processLayout;
}

void MakeLayoutCurrent(PictureLayout& layout) { current = &layout; }

PictureView& CurrentPictureView() { return current->view; }

ViewFrame& CurrentViewFrame() { return current->frame; }
