#include "tools/pack_images/shape_math.h"

namespace pack_images {

float Smoothstep(float edge0, float edge1, float x) {
  const float t = Clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3.0f - 2.0f * t);
}

float Fill(float d, float softness) { return Clamp01(0.5f - d / softness); }

float Bump(float x, float radius) { return Smoothstep(radius, 0.0f, std::fabs(x)); }

Vec2 Rotated(Vec2 p, float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  return {p.x * c - p.y * s, p.x * s + p.y * c};
}

float DistanceToSegment(Vec2 p, Vec2 a, Vec2 b) {
  const Vec2 ab = b - a;
  const float lengthSquared = Dot(ab, ab);
  const float t = lengthSquared > 0.0f ? Clamp01(Dot(p - a, ab) / lengthSquared) : 0.0f;
  return Length(p - (a + ab * t));
}

float EllipseDistance(Vec2 p, Vec2 radii) {
  // The implicit function divided by its gradient's length: a first-order distance.
  const Vec2 q = {p.x / radii.x, p.y / radii.y};
  const float k = Length(q);
  if (k == 0.0f) return -std::fmin(radii.x, radii.y);
  const Vec2 gradient = {q.x / (radii.x * k), q.y / (radii.y * k)};
  return (k - 1.0f) / Length(gradient);
}

}  // namespace pack_images

namespace pack_images {

float DistanceToStrokes(Vec2 p, const Strokes& strokes) {
  float nearest = INFINITY;
  for (const std::vector<Vec2>& stroke : strokes) {
    if (stroke.size() == 1) nearest = std::fmin(nearest, Length(p - stroke[0]));
    for (size_t i = 1; i < stroke.size(); ++i)
      nearest = std::fmin(nearest, DistanceToSegment(p, stroke[i - 1], stroke[i]));
  }
  return nearest;
}

}  // namespace pack_images
