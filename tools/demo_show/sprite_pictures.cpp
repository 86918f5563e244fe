#include "tools/demo_show/sprite_pictures.h"

#include <algorithm>
#include <cmath>

#include "tools/pack_images/colour.h"
#include "tools/pack_images/noise.h"
#include "tools/pack_images/shape_math.h"

namespace demo_show {

using pack_images::Bump;
using pack_images::Clamp01;
using pack_images::EllipseDistance;
using pack_images::Fill;
using pack_images::Hex;
using pack_images::Image;
using pack_images::Mix;
using pack_images::Rgba;
using pack_images::Smoothstep;
using pack_images::Length;
using pack_images::Vec2;
using pack_images::WithAlpha;

Image MakeFishSprite() {
  Image image(64, 32);
  const Rgba back = Hex(0xC8641E), belly = Hex(0xF2B544), fin = Hex(0xE88A3A);
  image.Paint([&](float x, float y) {
    const Vec2 p{x - 36, y - 16};
    const float body = Fill(EllipseDistance(p, {22, 9}), 1.0f);
    // The tail: a fan opening to the left, narrowing where it meets the body.
    const float along = (14 - x) / 12;  // 0 at the body, 1 at the tail's end
    const float spread = 2 + 9 * along;
    const float tail = along > 0 && along < 1 ? Fill(std::fabs(y - 16) - spread, 1.0f) : 0;
    const float coverage = std::max(body, tail);
    Rgba colour = Mix(belly, back, Smoothstep(9, -9, y - 16 + 4 * std::sin(x * 0.2f)));
    if (tail > body) colour = fin;
    // An eye near the head.
    const float eye = Fill(Length(Vec2{x - 51, y - 13}) - 1.6f, 0.8f);
    colour = Mix(colour, Hex(0x101010), eye);
    return WithAlpha(colour, coverage);
  });
  return image;
}

Image MakeRainSprite() {
  Image image(8, 64);
  image.Paint([](float x, float y) {
    const float across = Bump(x - 4, 2.5f);
    // Brighter towards the falling end, fading out at the tail.
    const float along = Smoothstep(0, 40, y) * Smoothstep(64, 58, y);
    return WithAlpha(Hex(0xDCE8FF), 0.8f * across * along);
  });
  return image;
}

Image MakeBirdSprite() {
  Image image(64, 32);
  // Two curved wings meeting at the body, head to the right.
  const pack_images::Strokes wings = {
      {{4, 10}, {14, 8}, {24, 12}, {32, 18}},
      {{32, 18}, {40, 12}, {50, 8}, {60, 10}},
  };
  image.Paint([&](float x, float y) {
    const Vec2 p{x, y};
    const float wing = Fill(pack_images::DistanceToStrokes(p, wings) - 1.6f, 1.0f);
    const float body = Fill(EllipseDistance(Vec2{x - 34, y - 18}, {7, 3}), 1.0f);
    const float head = Fill(Length(Vec2{x - 41, y - 17}) - 2.4f, 1.0f);
    const float coverage = std::max(wing, std::max(body, head));
    return WithAlpha(Mix(Hex(0x2A2A30), Hex(0x6A6A72), Clamp01((18 - y) / 12)), coverage);
  });
  return image;
}

Image MakeSparkleSprite() {
  Image image(32, 32);
  image.Paint([](float x, float y) {
    const float dx = x - 16, dy = y - 16;
    const float r = std::sqrt(dx * dx + dy * dy);
    const float glow = std::exp(-r * r / 18);
    // Four thin rays along the axes.
    const float rays = (std::exp(-dx * dx / 1.2f) + std::exp(-dy * dy / 1.2f)) * Bump(r, 15);
    return WithAlpha(Hex(0xFFF6D8), Clamp01(glow + 0.8f * rays));
  });
  return image;
}

Image MakeGrassSprite() {
  Image image(16, 96);
  image.Paint([](float x, float y) {
    // Widest at the foot (the bottom row), a point at the top, slightly curved.
    const float up = 1 - y / 96;  // 0 at the foot, 1 at the tip
    const float centre = 8 + 2.5f * up * up;
    const float halfWidth = 5.5f * (1 - up) + 0.3f;
    const float coverage = Fill(std::fabs(x - centre) - halfWidth, 0.8f) * Smoothstep(1, 0.96f, up);
    const Rgba colour = Mix(Hex(0x2E5A1C), Hex(0x8CC63F), up);
    return WithAlpha(colour, coverage);
  });
  return image;
}

Image MakeFogSprite() {
  Image image(128, 128);
  image.Paint([](float x, float y) {
    const float dx = (x - 64) / 64, dy = (y - 64) / 64;
    const float r = std::sqrt(dx * dx + dy * dy);
    // A soft round cloud, its density broken up a little by noise.
    const float texture = pack_images::FractalNoise(x / 32, y / 32, 4, 3, 0.5f, 7);
    const float density = Smoothstep(1, 0.2f, r) * (0.75f + 0.25f * texture);
    return WithAlpha(Hex(0xF0F2F5), Clamp01(density));
  });
  return image;
}

Image MakeGodRaySprite() {
  Image image(32, 256);
  image.Paint([](float x, float y) {
    // Soft across, brightest under the canopy at the top and fading out towards the ground.
    const float across = Bump(x - 16, 16);
    const float along = Smoothstep(0, 24, y) * Smoothstep(256, 32, y);
    return WithAlpha(Hex(0xFFF0C8), across * across * along);
  });
  return image;
}

Image MakeGhostSprite() {
  Image image(64, 48);
  image.Paint([](float x, float y) {
    // A round head at the right trailing a tapering tail that waves, all of it soft-edged.
    const float head = Length(Vec2{x - 46, y - 20}) - 12;
    const float along = Clamp01((46 - x) / 42);  // 0 at the head, 1 at the tail's tip
    const float tailCentre = 20 + 5 * along + 4 * std::sin(along * 7.0f);
    const float tail = x < 46 ? std::fabs(y - tailCentre) - 12 * (1 - along) : 1e3f;
    const float shape = std::min(head, tail);
    const float coverage = Fill(shape, 4.0f) * (1 - 0.7f * along);
    // Two dark eyes looking ahead.
    const float eyes = std::max(Fill(Length(Vec2{x - 49, y - 17}) - 2.2f, 0.8f),
                                Fill(Length(Vec2{x - 54, y - 18}) - 1.8f, 0.8f));
    return WithAlpha(Mix(Hex(0xE4ECFF), Hex(0x283040), eyes), coverage);
  });
  return image;
}

Image MakeMoonSprite() {
  Image image(128, 128);
  image.Paint([](float x, float y) {
    const float r = Length(Vec2{x - 64, y - 64});
    const float disc = Fill(r - 34, 1.0f);
    // Grey seas on the face, a little darker towards the rim.
    const float noise = pack_images::FractalNoise(x / 20, y / 20, 8, 3, 0.5f, 5);
    const float seas = Smoothstep(0.1f, 0.5f, noise);
    const Rgba face = Scaled(Mix(Hex(0xF6F2DE), Hex(0xB8B8B0), 0.6f * seas), 1 - 0.15f * r / 34);
    const float halo = 0.45f * std::exp(-(r - 34) / 9);
    return WithAlpha(Mix(Hex(0xB8C8E8), face, disc), std::max(disc, Clamp01(halo)));
  });
  return image;
}

Image MakeFlowerSprite() {
  Image image(48, 128);
  const Vec2 head{24, 22};
  const pack_images::Strokes stem = {{{24, 128}, {22, 90}, {25, 55}, {24, 28}}};
  image.Paint([&](float x, float y) {
    const Vec2 p{x, y};
    const float stalk = Fill(pack_images::DistanceToStrokes(p, stem) - 1.4f, 0.8f);
    const Vec2 onLeaf = pack_images::Rotated(p - Vec2{30, 84}, 0.7f);
    const float leaf = Fill(EllipseDistance(onLeaf, {8, 3}), 0.8f);
    // Twelve petals round a yellow heart.
    const Vec2 d = p - head;
    const float angle = std::atan2(d.y, d.x);
    const float petalRadius = 18 * (0.55f + 0.45f * std::fabs(std::cos(6 * angle)));
    const float petals = Fill(Length(d) - petalRadius, 0.9f);
    const float heart = Fill(Length(d) - 5.5f, 0.8f);
    Rgba colour = Mix(Hex(0x3E7A26), Hex(0xFAFAF4), petals);
    colour = Mix(colour, Hex(0xF2B81E), heart);
    return WithAlpha(colour, std::max(std::max(stalk, leaf), std::max(petals, heart)));
  });
  return image;
}

Image MakeSeedSprite() {
  Image image(24, 24);
  image.Paint([](float x, float y) {
    const Vec2 d{x - 12, y - 12};
    const float r = Length(d);
    // Fine filaments radiating from a small seed, thinning out at their ends.
    const float filaments =
        Bump(std::sin(std::atan2(d.y, d.x) * 9.0f), 0.5f) * Smoothstep(11, 3, r);
    const float seed = Fill(r - 1.8f, 0.8f);
    return WithAlpha(Mix(Hex(0xF8F8F0), Hex(0x8A7A5A), seed), Clamp01(0.7f * filaments + seed));
  });
  return image;
}

}  // namespace demo_show
