// Small scalar and 2D helpers the generators build their shapes from.
#pragma once

#include <cmath>
#include <vector>

namespace pack_images {

constexpr float Pi = 3.14159265358979f;

inline float Clamp01(float x) { return x < 0.0f ? 0.0f : (x > 1.0f ? 1.0f : x); }
inline float Lerp(float a, float b, float t) { return a + (b - a) * t; }
// Hermite step from 0 at edge0 to 1 at edge1 (edge0 > edge1 gives a falling step).
float Smoothstep(float edge0, float edge1, float x);
// Coverage of a shape at signed distance d (negative inside), blurred over `softness` units.
float Fill(float d, float softness);
// A bump of height 1 at 0 falling to 0 at |x| = radius (smooth at both ends).
float Bump(float x, float radius);

struct Vec2 {
  float x = 0, y = 0;
};
inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, float k) { return {a.x * k, a.y * k}; }
inline float Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline float Length(Vec2 a) { return std::sqrt(Dot(a, a)); }
// `p` turned by `angle` radians about the origin (counter-clockwise with y up).
Vec2 Rotated(Vec2 p, float angle);

float DistanceToSegment(Vec2 p, Vec2 a, Vec2 b);
// Signed distance to an axis-aligned ellipse centred at the origin (approximate away from it,
// exact on the outline), negative inside.
float EllipseDistance(Vec2 p, Vec2 radii);

}  // namespace pack_images

namespace pack_images {

// A drawing made of strokes, each stroke a polyline.
using Strokes = std::vector<std::vector<Vec2>>;

// Distance from p to the nearest stroke (infinity for no strokes).
float DistanceToStrokes(Vec2 p, const Strokes& strokes);

}  // namespace pack_images
