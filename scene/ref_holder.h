// Shared ownership of a document object: every handle points to one cell {object, count}, copies
// share the cell, and releasing the last handle destroys the object through its virtual
// destructor. The show shares its slides this way, each slide its light and its items.
//
// A released handle points to no cell; copying it gives another empty handle rather than
// touching a cell that is gone.
#pragma once

#include <memory>
#include <type_traits>

template <class T>
class RefHolder {
  static_assert(std::has_virtual_destructor_v<T>, "the last release deletes through the base");

public:
  // A new cell holding `object` (none is allowed), counted once.
  explicit RefHolder(std::unique_ptr<T> object = nullptr) : cell_(new Cell{object.release(), 1}) {}
  RefHolder(const RefHolder& other) : cell_(other.cell_) { Share(); }
  RefHolder& operator=(const RefHolder& other) {
    if (this == &other) return *this;
    // Counting the source first keeps an assignment between two handles of one cell harmless.
    Cell* source = other.cell_;
    if (source) ++source->count;
    Release();
    cell_ = source;
    return *this;
  }
  ~RefHolder() { Release(); }

  // Lets go of the cell; the last handle of a cell destroys its object and the cell.
  void Release() {
    if (!cell_) return;
    if (--cell_->count <= 0) {
      delete cell_->object;
      delete cell_;
    }
    cell_ = nullptr;
  }

  T* Get() const { return cell_ ? cell_->object : nullptr; }
  T* operator->() const { return Get(); }
  // Handles sharing this handle's cell, itself included; 0 once released.
  int Count() const { return cell_ ? cell_->count : 0; }

private:
  struct Cell {
    T* object;
    int count;
  };

  void Share() {
    if (cell_) ++cell_->count;
  }

  Cell* cell_;
};
