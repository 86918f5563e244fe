// A value that moves towards a target at a constant rate and stops there: the butterfly's
// climb, heading, bank and forward speed each glide to a new goal this way.
#pragma once

struct Ramp {
  // A rate of 0 keeps the ramp's rate; either way the rate's sign is made to point at the target.
  void SetTarget(float newTarget, float newRate);
  // One step of dt; lands exactly on the target instead of passing it.
  void Advance(float dt);

  float current;
  float target;
  float rate;  // units per unit of item time, signed towards the target
};
