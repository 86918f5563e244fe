#include "tools/demo_show/demo_music.h"

#include <algorithm>
#include <cmath>

namespace demo_show {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double FadeInSeconds = 0.6, FadeOutSeconds = 0.8;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

// One sample in -1..1: the chord tones, each with a faint detuned twin for shimmer, under a
// slow swell, faded in and out so the pieces join without clicks.
double PieceSample(const DemoPiece& piece, double t) {
  double sum = 0;
  for (double frequency : piece.chord) {
    sum += std::sin(2 * Pi * frequency * t) + 0.3 * std::sin(2 * Pi * frequency * 1.003 * t);
  }
  const double swell = 0.75 + 0.25 * std::sin(2 * Pi * 0.25 * t);
  const double fade = std::min({1.0, t / FadeInSeconds, (piece.seconds - t) / FadeOutSeconds});
  return 0.15 * sum * swell * std::max(0.0, fade);
}

}  // namespace

std::vector<uint8_t> SynthesisePiece(const DemoPiece& piece) {
  const uint32_t frames = static_cast<uint32_t>(piece.seconds * DemoMusicSampleRate);
  const uint32_t dataBytes = frames * 2;
  std::vector<uint8_t> wav;
  wav.reserve(44 + dataBytes);
  PutTag(wav, "RIFF");
  Put32(wav, 36 + dataBytes);
  PutTag(wav, "WAVE");
  PutTag(wav, "fmt ");
  Put32(wav, 16);
  Put16(wav, 1);  // PCM
  Put16(wav, 1);  // mono
  Put32(wav, DemoMusicSampleRate);
  Put32(wav, DemoMusicSampleRate * 2);
  Put16(wav, 2);
  Put16(wav, 16);
  PutTag(wav, "data");
  Put32(wav, dataBytes);
  for (uint32_t i = 0; i < frames; ++i) {
    const double sample = PieceSample(piece, static_cast<double>(i) / DemoMusicSampleRate);
    Put16(wav, static_cast<uint16_t>(static_cast<int16_t>(std::lround(sample * 32767))));
  }
  return wav;
}

void AddDemoMusic(KQ_SlideShow_Light& show) {
  for (const DemoPiece& piece : DemoMusic) {
    auto record = std::make_unique<KQ_AudioFile>();
    record->name = piece.name;
    record->file.name = piece.storedPath;
    record->file.bytes = SynthesisePiece(piece);
    show.AddAudioFile(std::move(record));
  }
}

}  // namespace demo_show
