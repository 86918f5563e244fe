#include "items/objects3d/kq_sream_anim.h"

#include <algorithm>
#include <cmath>

#include "items/objects3d/animation_clock.h"
#include "items/random_fraction.h"
#include "render/random_range.h"
#include "render/picture_layout.h"

KQ_SreamAnim::KQ_SreamAnim(const DriftParameters& driftParameters) : params(&driftParameters) {
  const float width = static_cast<float>(CurrentViewFrame().pictureWidth);
  const float height = static_cast<float>(CurrentViewFrame().pictureHeight);
  const float x = static_cast<float>(RandomFraction() * width);
  const float y = static_cast<float>(RandomFraction() * height);
  swayFactor = static_cast<float>(RandomFraction() * 2 - 1);
  D3DXMatrixTranslation(&placement, x, y, 0);
  pace = static_cast<float>(RandomFraction() * 0.06 + 0.07);
}

void KQ_SreamAnim::Animate(KQ_Frame&) {
  const float clock = AnimationClock;
  // Measured from the first update, not from time 0, so the leaves do not all jump at once.
  if (!started_) lastClock = clock;
  started_ = true;
  step = std::min(std::fabs(clock - lastClock), 0.2f);
  lastClock = clock;

  const float width = static_cast<float>(CurrentViewFrame().pictureWidth);
  const float height = static_cast<float>(CurrentViewFrame().pictureHeight);
  const float margin = static_cast<float>(params->size.Get()) * 0.5f;
  const float across = swayFactor * static_cast<float>(params->sway.Get()) * 0.02f;
  const float distance = static_cast<float>(params->speed.Get()) * pace * step * 50;
  const DriftHeading& heading = params->heading;
  const float dx = distance * (heading.along.x + across * heading.across.x);
  const float dy = distance * (heading.along.y + across * heading.across.y);

  float& x = placement._41;
  float& y = placement._42;
  if (dy > 0 && y > height + margin) {
    x = RandomRange(0, width);
    y = -margin;
  } else if (dy < 0 && y < -margin) {
    x = RandomRange(0, width);
    y = height + margin;
  } else if (dx > 0 && x > width + margin) {
    x = -margin;
    y = RandomRange(0, height);
  } else if (dx < 0 && x < -margin) {
    x = width + margin;
    y = RandomRange(0, height);
  } else {
    x += dx;
    y += dy;
  }
  ChangeSway(clock);
}

// Now and then, on a coin flip, a new sway; a change rate of 0 keeps the sway for good.
void KQ_SreamAnim::ChangeSway(float clock) {
  const unsigned int rate = params->swayChangeRate.Get();
  if (rate == 0) return;
  const float elapsed = (clock - swayChangedAt) * static_cast<float>(params->speed.Get()) * 0.1f;
  if (elapsed <= 100.0f / static_cast<float>(rate)) return;
  swayChangedAt = clock;
  if (RandomIsOdd()) swayFactor = static_cast<float>(RandomFraction() * 2 - 1);
}
