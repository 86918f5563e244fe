// Which of the demo show's pieces a recorded sound stream holds: the piece whose chord root is
// loudest in it, and how loud it was.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

struct HeardStream {
  std::optional<size_t> piece;  // index into demo_show::DemoMusic; none when it was silent
  float peak;                   // the loudest sample, 0..1
};

// `samples` is one channel at `sampleRate`; exact zeros are the sink's filler.
HeardStream ListenTo(const std::vector<float>& samples, int sampleRate);

// The pieces of the streams that were not silent, in order.
std::vector<size_t> PiecesHeard(const std::vector<std::vector<float>>& streams, int sampleRate);
