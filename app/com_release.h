// Every COM pointer of the framework is released and cleared through this one helper, so a
// second release of the same object can never happen.
#pragma once

template <class Interface>
void ReleaseCom(Interface*& object) {
  if (object) {
    object->Release();
    object = nullptr;
  }
}
