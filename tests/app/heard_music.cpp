#include "tests/app/heard_music.h"

#include <algorithm>
#include <cmath>

#include "tools/demo_show/demo_music.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

// The power of one frequency in `samples` (Goertzel), over blocks of a tenth of a second so
// the joins between the sink's chunks cost little.
double PowerAt(const std::vector<float>& samples, double frequency, int sampleRate) {
  const double coefficient = 2 * std::cos(2 * Pi * frequency / sampleRate);
  const size_t blockLength = static_cast<size_t>(sampleRate / 10);
  double total = 0;
  for (size_t start = 0; start + blockLength <= samples.size(); start += blockLength) {
    double previous = 0, beforePrevious = 0;
    for (size_t i = start; i < start + blockLength; ++i) {
      const double current = samples[i] + coefficient * previous - beforePrevious;
      beforePrevious = previous;
      previous = current;
    }
    total += previous * previous + beforePrevious * beforePrevious -
             coefficient * previous * beforePrevious;
  }
  return total;
}

}  // namespace

HeardStream ListenTo(const std::vector<float>& samples, int sampleRate) {
  std::vector<float> sound;
  HeardStream heard = {std::nullopt, 0.0f};
  for (float sample : samples) {
    if (sample == 0.0f) continue;
    sound.push_back(sample);
    heard.peak = std::max(heard.peak, std::abs(sample));
  }
  if (sound.size() < static_cast<size_t>(sampleRate / 10)) return heard;
  double loudest = 0;
  for (size_t p = 0; p < demo_show::DemoPieceCount; ++p) {
    const double power = PowerAt(sound, demo_show::DemoMusic[p].chord[0], sampleRate);
    if (power > loudest) {
      loudest = power;
      heard.piece = p;
    }
  }
  return heard;
}

std::vector<size_t> PiecesHeard(const std::vector<std::vector<float>>& streams, int sampleRate) {
  std::vector<size_t> pieces;
  for (const std::vector<float>& stream : streams) {
    const HeardStream heard = ListenTo(stream, sampleRate);
    if (heard.piece) pieces.push_back(*heard.piece);
  }
  return pieces;
}
