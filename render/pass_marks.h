// Marks where the passes of a frame end, so a measuring tool can time the frame pass by pass.
// The saver installs no handler: a mark is then one test of a null pointer. A handler that
// waits for the device at each mark slows the frame, so only a measuring run installs one.
#pragma once

// Called with the name of the pass that just ended (a string literal, or a type's mangled name).
using PassEndHandler = void (*)(const char* pass);
extern PassEndHandler OnPassEnd;

inline void EndOfPass(const char* pass) {
  if (OnPassEnd) OnPassEnd(pass);
}
