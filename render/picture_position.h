// How a slide's picture is placed on its target. The value is stored in the registry and the
// document, so any other number may arrive: it is laid out like Fit, without bars.
#pragma once

enum PicturePosition : int {
  PositionStretch = 0,         // both axes scaled until the picture covers the target
  PositionFit = 1,             // aspect kept, whole picture visible, black bars on free sides
  PositionFill = 2,            // aspect kept, covers the target, overflow cropped
  PositionCaptureStretch = 3,  // Stretch without the camera, while a light captures its scene
};
