// Counted references held in plain COM pointers: the one way scene objects let go of an
// interface, and the one way they take a share of another holder's interface.
#pragma once

#include <windows.h>

// Releases the interface held in *slot and clears the slot. Returns what Release returned,
// or 0 when the slot was empty.
template <class Interface>
ULONG ReleaseAndNull(Interface** slot) {
  if (!*slot) return 0;
  ULONG remaining = (*slot)->Release();
  *slot = nullptr;
  return remaining;
}

// Makes *slot hold its own reference to `shared` (which may be null), releasing what it held.
// Adding the new reference first keeps a self-assignment harmless.
template <class Interface>
void ShareReference(Interface** slot, Interface* shared) {
  if (shared) shared->AddRef();
  ReleaseAndNull(slot);
  *slot = shared;
}
