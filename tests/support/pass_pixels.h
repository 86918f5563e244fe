// Counts the pixels the device draws in a stretch of a frame's passes (render/pass_marks.h), with
// an occlusion query: from the end of pass `after` (from the moment the counter is armed when
// `after` is null) to the end of pass `until`. While a counter lives it is the pass handler.
#pragma once

#include <d3d9.h>

#include <string>

namespace testing_support {

class PassPixelCounter {
public:
  PassPixelCounter(IDirect3DDevice9* device, const char* after, const char* until);
  ~PassPixelCounter();
  PassPixelCounter(const PassPixelCounter&) = delete;
  PassPixelCounter& operator=(const PassPixelCounter&) = delete;

  // False when the device has no occlusion queries.
  bool Supported() const { return query_ != nullptr; }
  // Counts in the frame drawn next.
  void Arm();
  // The pixels counted since Arm; -1 when the stretch's passes never both ended.
  long Pixels();

private:
  static void OnMark(const char* pass);
  void Mark(const char* pass);

  IDirect3DQuery9* query_ = nullptr;
  std::string after_, until_;
  bool counting_ = false;
  bool counted_ = false;
};

}  // namespace testing_support
