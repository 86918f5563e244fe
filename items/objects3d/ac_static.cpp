#include "items/objects3d/ac_static.h"

#include "items/objects3d/kq_clock_constructor.h"
#include "render/kq_frame.h"

AC_Static::AC_Static(KQ_ClockConstructor& clockSettings) : settings(clockSettings) {
  TakeCentre();
  bindings_.BindFunLightCtrl(&AC_Static::OnSizeChanged, settings.objectSize);
  bindings_.BindFunLightCtrl2(&AC_Static::OnRectangleChanged, settings.clockRectangle);
}

void AC_Static::Animate(KQ_Frame& frame) { frame.world = sizeMatrix * frame.local * positionMatrix; }

void AC_Static::OnSizeChanged(unsigned int objectSize) {
  PlaceEdges(objectSize);
  const float scale = static_cast<float>(objectSize);
  D3DXMatrixScaling(&sizeMatrix, scale, scale, scale);
}

void AC_Static::OnRectangleChanged() {
  PlaceEdges(settings.objectSize.Get());
  TakeCentre();
}

void AC_Static::TakeCentre() {
  const MediaRectangle& rectangle = settings.clockRectangle;
  D3DXMatrixTranslation(&positionMatrix, static_cast<float>(rectangle.first_extra.Get()),
                        static_cast<float>(rectangle.second_extra.Get()), 0);
}

void AC_Static::PlaceEdges(unsigned int objectSize) {
  MediaRectangle& rectangle = settings.clockRectangle;
  const int half = static_cast<int>(objectSize >> 1);
  const int centreX = rectangle.first_extra.Get();
  const int centreY = rectangle.second_extra.Get();
  rectangle.left = centreX - half;
  rectangle.right = centreX + half;
  rectangle.top = centreY - half;
  rectangle.bottom = centreY + half;
}
