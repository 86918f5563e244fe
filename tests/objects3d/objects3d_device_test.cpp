// Placeholder until the device tests are written.
