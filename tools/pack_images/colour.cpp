#include "tools/pack_images/colour.h"

#include "tools/pack_images/shape_math.h"

namespace pack_images {

Rgba Hex(uint32_t rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f, 1.0f};
}

Rgba WithAlpha(Rgba colour, float alpha) {
  colour.a = alpha;
  return colour;
}

Rgba Mix(Rgba from, Rgba to, float t) {
  return {Lerp(from.r, to.r, t), Lerp(from.g, to.g, t), Lerp(from.b, to.b, t),
          Lerp(from.a, to.a, t)};
}

Rgba Scaled(Rgba colour, float k) { return {colour.r * k, colour.g * k, colour.b * k, colour.a}; }

Rgba Over(Rgba top, Rgba bottom) {
  const float a = top.a + bottom.a * (1.0f - top.a);
  if (a <= 0.0f) return {};
  auto channel = [&](float t, float b) { return (t * top.a + b * bottom.a * (1.0f - top.a)) / a; };
  return {channel(top.r, bottom.r), channel(top.g, bottom.g), channel(top.b, bottom.b), a};
}

Rgba Ramp(const Rgba* stops, int count, float t) {
  const float position = Clamp01(t) * static_cast<float>(count - 1);
  int index = static_cast<int>(position);
  if (index >= count - 1) index = count - 2;
  return Mix(stops[index], stops[index + 1], position - static_cast<float>(index));
}

}  // namespace pack_images
