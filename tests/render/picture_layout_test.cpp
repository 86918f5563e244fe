// Which picture layout the scene code reaches: the one made current, until it goes.
#include <gtest/gtest.h>

#include "render/picture_layout.h"

namespace {

TEST(PictureLayout, TheLayoutMadeCurrentServesUntilItGoes) {
  PictureView& processView = CurrentPictureView();
  ViewFrame& processFrame = CurrentViewFrame();
  const UINT processPictureWidth = processView.pictureWidth;
  {
    PictureLayout unit;
    MakeLayoutCurrent(unit);
    EXPECT_EQ(&unit.view, &CurrentPictureView());
    EXPECT_EQ(&unit.frame, &CurrentViewFrame());
    CurrentPictureView().Layout(640, 480, 123, 45, PositionFit, false, 640, 480);
    EXPECT_EQ(123u, unit.view.pictureWidth);
    EXPECT_EQ(processPictureWidth, processView.pictureWidth) << "another layout is untouched";
  }
  // A unit's layout that goes while current must not be reached any more.
  EXPECT_EQ(&processView, &CurrentPictureView());
  EXPECT_EQ(&processFrame, &CurrentViewFrame());
}

TEST(PictureLayout, ALayoutThatIsNotCurrentGoesWithoutChangingTheCurrentOne) {
  PictureLayout first;
  MakeLayoutCurrent(first);
  { PictureLayout other; }
  EXPECT_EQ(&first.view, &CurrentPictureView());
}

}  // namespace
