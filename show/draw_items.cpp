#include <typeinfo>

#include "items/kq_abobj.h"
#include "render/pass_marks.h"
#include "show/kq_2d_light.h"

void DrawItems(KQ_2D_Light& light, const std::vector<RefHolder<KQ_ABObj>>& items,
               int capturesLeft) {
  light.ShowPictureAsScene();
  for (auto item = items.rbegin(); item != items.rend(); ++item) {
    KQ_ABObj* object = item->Get();
    // Without a capture (the pair is gone until the next restore) the scene stays the picture.
    if (object->NeedsSceneCapture() != 0 && light.IsCapturing()) {
      light.HandOnCapturedScene(--capturesLeft > 0);
    }
    object->Draw(light);
    EndOfPass(typeid(*object).name());
    light.ShowPictureAsScene();
  }
}
