// What an exception out of the show means for error mode: a thrown HRESULT is its own code.
// Call only inside a catch block.
#pragma once

#include <windows.h>

#include <new>

inline HRESULT CodeOfCurrentException() {
  try {
    throw;
  } catch (HRESULT code) {
    return code;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}
