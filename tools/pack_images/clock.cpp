// The clock's face and hand. The clock draws one square plate for both: the face fills it,
// and each hand is the same plate squeezed to 1 % of its width and shortened, turning about
// a point at about 5/6 of the texture's height. So the hand image is a hand standing upright
// with its pivot there; the squeeze makes it a slender needle on screen.
#include <cmath>
#include <string>

#include "tools/pack_images/noise.h"
#include "tools/pack_images/pack_images.h"
#include "tools/pack_images/shape_math.h"

namespace pack_images {
namespace {

constexpr int FaceSize = 512;

// Face radii as shares of half the image.
constexpr float BezelOuter = 0.985f;
constexpr float BezelInner = 0.90f;
constexpr float TicksOuter = 0.84f;
constexpr float NumeralRadius = 0.6f;
constexpr float NumeralHeight = 0.155f;

// Roman letters in a box one unit high, x to the right, y downwards: thick and thin strokes as
// a pen would make them, and thin serifs at the stroke ends.
struct Letter {
  float width;
  Strokes thick, thin;
};

const Letter& RomanLetter(char c) {
  static const Letter I = {0.3f,
                           {{{0.15f, 0.02f}, {0.15f, 0.98f}}},
                           {{{0.0f, 0.02f}, {0.3f, 0.02f}}, {{0.0f, 0.98f}, {0.3f, 0.98f}}}};
  static const Letter V = {0.7f,
                           {{{0.08f, 0.02f}, {0.35f, 0.98f}}},
                           {{{0.62f, 0.02f}, {0.35f, 0.98f}},
                            {{-0.04f, 0.02f}, {0.22f, 0.02f}},
                            {{0.52f, 0.02f}, {0.72f, 0.02f}}}};
  static const Letter X = {0.7f,
                           {{{0.08f, 0.02f}, {0.62f, 0.98f}}},
                           {{{0.62f, 0.02f}, {0.08f, 0.98f}},
                            {{-0.04f, 0.02f}, {0.2f, 0.02f}},
                            {{0.52f, 0.02f}, {0.74f, 0.02f}},
                            {{-0.04f, 0.98f}, {0.2f, 0.98f}},
                            {{0.5f, 0.98f}, {0.74f, 0.98f}}}};
  return c == 'V' ? V : (c == 'X' ? X : I);
}

constexpr float LetterSpacing = 0.06f;

const char* Numeral(int hour) {
  // Four as IIII, the clockmakers' custom, balancing VIII opposite.
  static const char* const numerals[] = {"XII", "I",   "II",   "III", "IIII", "V",
                                         "VI",  "VII", "VIII", "IX",  "X",    "XI"};
  return numerals[hour % 12];
}

// Ink coverage of a numeral at p, in the numeral's own units (height 1, centred on the origin).
float NumeralInk(const std::string& text, Vec2 p, float pixel) {
  float width = -LetterSpacing;
  for (char c : text) width += RomanLetter(c).width + LetterSpacing;
  float left = -width * 0.5f, ink = 0.0f;
  for (char c : text) {
    const Letter& letter = RomanLetter(c);
    const Vec2 q = {p.x - left, p.y + 0.5f};
    const float thick = DistanceToStrokes(q, letter.thick) - 0.08f;
    const float thin = DistanceToStrokes(q, letter.thin) - 0.028f;
    ink = std::fmax(ink, Fill(std::fmin(thick, thin), pixel));
    left += letter.width + LetterSpacing;
  }
  return ink;
}

Rgba Dial(Vec2 p, float r) {
  // Ivory, a little darker towards the edge, with a faint paper texture.
  const float paper = 0.03f * FractalNoise(p.x * 30.0f, p.y * 30.0f, 1 << 10, 3, 0.5f, 717);
  Rgba colour = Scaled(Mix(Hex(0xF7F0DE), Hex(0xE2D6B8), r * r), 1.0f + paper);
  const float pixel = 2.0f / FaceSize;
  const Rgba ink = Hex(0x1C1A22);
  // Chapter ring: two circles framing the minute ticks.
  const float circles = std::fmin(std::fabs(r - TicksOuter), std::fabs(r - 0.775f)) - 0.0035f;
  colour = Mix(colour, ink, Fill(circles, pixel));
  // Minute ticks; every fifth is a longer, bolder hour tick.
  const float angle = std::atan2(p.x, p.y);  // 0 at twelve, clockwise (p has y up)
  const float minute = angle / (2.0f * Pi) * 60.0f;
  const float nearest = std::round(minute);
  const bool hourTick = static_cast<int>(std::lround(nearest + 60.0f)) % 5 == 0;
  const float offAxis = std::fabs(minute - nearest) * (2.0f * Pi / 60.0f) * r;  // arc length
  const float halfWidth = hourTick ? 0.012f : 0.004f;
  const float inner = hourTick ? 0.745f : 0.775f;
  const float tick = std::fmax(offAxis - halfWidth, std::fmax(inner - r, r - TicksOuter));
  colour = Mix(colour, ink, Fill(tick, pixel));
  // Numerals, their feet towards the centre.
  const int hour = static_cast<int>(std::lround(angle / (2.0f * Pi) * 12.0f + 12.0f)) % 12;
  const float centreAngle = hour * (2.0f * Pi / 12.0f);
  const Vec2 outward = {std::sin(centreAngle), std::cos(centreAngle)};
  const Vec2 right = {outward.y, -outward.x};
  const Vec2 d = p - outward * NumeralRadius;
  const Vec2 local = {Dot(d, right) / NumeralHeight, -Dot(d, outward) / NumeralHeight};
  colour = Mix(colour, ink, NumeralInk(Numeral(hour), local, pixel / NumeralHeight));
  return colour;
}

Rgba Bezel(float r) {
  // A turned brass ring: light on its upper slope, dark on its lower.
  const float t = (r - BezelInner) / (BezelOuter - BezelInner);
  const float profile = std::sin(t * Pi);
  Rgba colour = Mix(Hex(0x5C4112), Hex(0xD9B65E), 0.35f + 0.55f * profile);
  return Mix(colour, Hex(0xFFF4D0), 0.6f * std::pow(Bump(t - 0.35f, 0.25f), 3.0f));
}

}  // namespace

Image MakeClockFace() {
  Image image(FaceSize, FaceSize);
  image.Paint([](float px, float py) {
    const Vec2 p = {px / (FaceSize * 0.5f) - 1.0f, 1.0f - py / (FaceSize * 0.5f)};
    const float r = Length(p);
    const float pixel = 2.0f / FaceSize;
    Rgba colour = Mix(Dial(p, r), Bezel(r), Fill(BezelInner - r, pixel));
    // A thin shadow where the bezel meets the dial.
    colour = Scaled(colour, 1.0f - 0.35f * Bump(r - BezelInner + 0.012f, 0.02f));
    return WithAlpha(colour, Fill(r - BezelOuter, pixel));
  });
  return image;
}

Image MakeClockHands() {
  constexpr int Width = 64, Height = 512;
  // Where the clock turns the hand, as a share of the height: between the hour hand's pivot
  // (0.833) and the minute hand's (0.842), which differ by their squeeze.
  constexpr float Pivot = 0.8375f;
  Image image(Width, Height);
  image.Paint([](float px, float py) {
    const float u = px / Width * 2.0f - 1.0f;  // -1..1 across
    const float v = py / Height;
    // Half-width along the hand: a spear tip, a shaft, the hub, a short tail. The clock shrinks
    // the width to a few pixels, so the shaft keeps nearly all of it to stay visible.
    float halfWidth = 0.0f;
    if (v > 0.02f && v < 0.16f)
      halfWidth = 0.95f * (v - 0.02f) / 0.14f;
    else if (v >= 0.16f && v < Pivot)
      halfWidth = Lerp(0.72f, 0.85f, (v - 0.16f) / (Pivot - 0.16f));
    else if (v >= Pivot && v < 0.975f)
      halfWidth = 0.85f;
    const float hub =
        1.1f * std::sqrt(std::fmax(0.0f, 1.0f - std::pow((v - Pivot) / 0.045f, 2.0f)));
    halfWidth = std::fmax(halfWidth, hub);
    const float inside =
        Fill(std::fabs(u) - halfWidth, 2.0f / Width) * Fill(v - 0.975f, 1.0f / Height);
    // Blued steel with a bright ridge along the middle.
    const float ridge = Bump(u, 0.5f);
    const Rgba steel = Mix(Hex(0x0A0F24), Hex(0x44558C), 0.6f * ridge);
    return WithAlpha(steel, inside);
  });
  return image;
}

}  // namespace pack_images
