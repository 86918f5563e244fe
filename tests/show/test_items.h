// Scene items of the tests' own: a settings class registered in the items registry, whose
// run-time object writes what is done to it into a log, and reads the scene texture it is drawn
// with.
#pragma once

#include <d3d9.h>

#include <string>
#include <vector>

#include "items/kq_abobj.h"

namespace show_testing {

// What the test objects were asked to do, in order ("update a", "draw b", ...).
std::vector<std::string>& Log();

class TestItemConstructor : public KQ_ABObj_Constructor {
public:
  TestItemConstructor() = default;
  TestItemConstructor(std::string itemLabel, int needsScene)
      : label(std::move(itemLabel)), needsSceneCapture(needsScene) {}

  void Read(KQ_IOF_Virtual& stream, unsigned long version);
  void Write(KQ_IOF_Virtual& stream) const override;
  std::unique_ptr<KQ_ABObj> CreateObject() override;
  void Restart() override;

  std::string label;
  int needsSceneCapture = 0;
};

class TestItem : public KQ_ABObj {
public:
  using KQ_ABObj::KQ_ABObj;

  void Draw(KQ_ABRender& light) override;
  void Update(float t) override;
  int NeedsSceneCapture() const override;

  const TestItemConstructor& TestSettings() const;

  IDirect3DTexture9* sceneSeen = nullptr;  // the scene texture during the last Draw (no reference)
};

}  // namespace show_testing
