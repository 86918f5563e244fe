// Items of the demo show stored at older versions of their classes' sections, as documents of
// earlier makers hold them, so that the saver reads those sections too.
#pragma once

#include "items/sprites/kq_stat_obj_constructor.h"

namespace demo_show {

// A still picture in the first version of its section, which kept the flip flags itself, over
// sprite properties of version 4, from before the flip flags moved there.
class FirstStillPicture : public KQ_StatObjConstructor {
public:
  void Write(KQ_IOF_Virtual& stream) const override;
};

}  // namespace demo_show
