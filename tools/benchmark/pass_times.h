// The frame pass by pass: while a PassTimes is installed, every pass mark of the show waits for
// the device and charges the time since the previous mark to the pass that ended, so each
// pass's own rendering is timed (the waits make the frame slower than the saver's own).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tools/benchmark/frame_samples.h"
#include "tools/benchmark/offscreen_device.h"
#include "tools/benchmark/stopwatch.h"

class PassTimes {
public:
  // Marks from now on go to this object, until it is destroyed.
  explicit PassTimes(OffscreenDevice& offscreen);
  ~PassTimes();
  PassTimes(const PassTimes&) = delete;
  PassTimes& operator=(const PassTimes&) = delete;

  // Frame time starts here: what comes before the first mark is charged to that mark.
  void BeginFrame();
  // Charges the time since the last mark (waiting for the device first) to `pass`.
  void EndPass(const std::string& pass);
  // The frame's passes go to the slide's figures.
  void EndFrame(size_t slide);

  struct Pass {
    std::string name;
    FrameSamples samples;  // milliseconds, one per frame that has the pass
  };
  // Per slide, its passes in the order they first came.
  const std::vector<std::vector<Pass>>& Slides() const { return slides_; }

private:
  static void OnMark(const char* pass);

  OffscreenDevice& offscreen_;
  Stopwatch lap_;
  std::vector<std::pair<std::string, double>> frame_;
  std::vector<std::vector<Pass>> slides_;
};
