// The built-in show's background music: short ambient pieces synthesised at build time. Each
// piece is a slowly swelling chord; its chord tones tell the pieces apart on a recording.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int ShowMusicSampleRate = 48000;

struct ShowPiece {
  const char* fileName;
  double seconds;
  double chord[3];  // Hz; the first is the root
};

constexpr ShowPiece ShowPieces[] = {
    {"morning-haze.wav", 4.0, {220.00, 277.18, 329.63}},  // A major
    {"evening-tide.wav", 4.0, {146.83, 174.61, 293.66}},  // D minor
};
constexpr size_t ShowPieceCount = sizeof ShowPieces / sizeof ShowPieces[0];

// The whole WAV file of a piece: 16-bit mono PCM at ShowMusicSampleRate.
std::vector<uint8_t> SynthesisePiece(const ShowPiece& piece);
