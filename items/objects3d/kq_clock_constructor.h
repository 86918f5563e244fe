// The clock: a 3D clock face with an hour and a minute hand showing the local time. A single
// object placed by its own rectangle (centre and size) rather than by the item area. The face
// and both hands are one plate mesh; the hands are the plate squeezed into needles.
#pragma once

#include "document/media_rectangle.h"
#include "items/item_class.h"
#include "items/objects3d/kq_3d_obj_ctrl.h"
#include "items/objects3d/local_time.h"

class KQ_ClockConstructor : public ItemClass<KQ_ClockConstructor, KQ_3D_Obj_Ctrl> {
public:
  static constexpr const wchar_t* ClassName = L"KQ_ClockConstructor";
  template <class Self>
  static auto OwnSettings(Self& s) {
    return std::tie(s.clockRectangle, s.handsImage);
  }

  // Centred on the current picture.
  KQ_ClockConstructor();
  // The rectangle's values copied one by one; the copy binds its own image.
  KQ_ClockConstructor(const KQ_ClockConstructor& other);

  // Part 0 the face (the inherited image), part 1 the hands; both blended.
  void BuildMeshParts(std::vector<MeshPart>& parts) override;
  // The face, with the hour and the minute hand as its children.
  KQ_Frame* CreateInstanceFrames() override;

  // Picture pixels: the edges, then the centre x and y in the two extra values.
  MediaRectangle clockRectangle;
  KQ_ImageFileLink handsImage{72, L"tessaly.dll"};
  // Not stored: where the hands learn the time (copied with the settings).
  LocalTimeReader localTime = ReadLocalTime;

private:
  // A new face image reloads the face part.
  void OnImageChanged();

  std::vector<MeshPart>* parts_ = nullptr;  // the vector BuildMeshParts filled last
  OwnedControlList<KQ_ClockConstructor> bindings_{this};
};
