// Shared ownership of a document object: every handle points to one cell {object, count}, copies
// share the cell, and releasing the last handle destroys the object through its virtual
// destructor. The show shares its slides this way, each slide its light and its items.
//
// A new handle has a cell of its own even without an object (the show's current slide before
// the first frame); a released handle points to no cell, and copies of it are empty too.
#pragma once

#include <memory>
#include <type_traits>

template <class T>
class RefHolder {
  static_assert(std::has_virtual_destructor_v<T>, "the last release deletes through the base");

public:
  // A new cell holding `object` (none is allowed), counted once.
  explicit RefHolder(std::unique_ptr<T> object = nullptr)
      : cell_(static_cast<T*>(object.release())) {}

  // Lets go of the cell; the last handle of a cell destroys its object and the cell.
  void Release() { cell_.reset(); }

  T* Get() const { return cell_.get(); }
  T* operator->() const { return cell_.get(); }
  // Handles sharing this handle's cell, itself included; 0 once released.
  int Count() const { return static_cast<int>(cell_.use_count()); }

private:
  // Made from a plain pointer, so even a null object gets its counted cell.
  std::shared_ptr<T> cell_;
};
