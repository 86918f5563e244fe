// The demo show's background music: short ambient pieces synthesised when the show is written.
// Each piece is a slowly swelling chord; the chord's root tells the pieces apart on a
// recording. The document embeds each piece's WAV file under a path of the maker's machine,
// so the player writes it to the temporary folder and plays it from there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "show/kq_slide_show_light.h"

namespace demo_show {

constexpr int DemoMusicSampleRate = 22050;

struct DemoPiece {
  const wchar_t* name;
  const wchar_t* storedPath;
  double seconds;
  double chord[3];  // Hz; the first is the root
};

constexpr DemoPiece DemoMusic[] = {
    {L"Morning haze",
     L"C:\\Vantorel\\Shows\\Music\\morning-haze.wav",
     6.0,
     {220.00, 277.18, 329.63}},  // A major
    {L"Evening tide",
     L"C:\\Vantorel\\Shows\\Music\\evening-tide.wav",
     6.0,
     {146.83, 174.61, 293.66}},  // D minor
};
constexpr size_t DemoPieceCount = sizeof DemoMusic / sizeof DemoMusic[0];

// The whole WAV file of a piece: 16-bit mono PCM at DemoMusicSampleRate.
std::vector<uint8_t> SynthesisePiece(const DemoPiece& piece);

// Appends an audio record per piece, its file embedded, in the order above.
void AddDemoMusic(KQ_SlideShow_Light& show);

}  // namespace demo_show
