// Locking a whole vertex or index buffer into a typed pointer that is set exactly while the lock
// is held, and stays null when there is no buffer or the lock fails.
#pragma once

#include <windows.h>

template <class Element, class Buffer>
Element* LockWhole(Buffer* buffer, Element*& locked) {
  void* data = nullptr;
  if (buffer && SUCCEEDED(buffer->Lock(0, 0, &data, 0))) locked = static_cast<Element*>(data);
  return locked;
}

template <class Element, class Buffer>
void UnlockWhole(Buffer* buffer, Element*& locked) {
  if (!locked) return;
  buffer->Unlock();
  locked = nullptr;
}
