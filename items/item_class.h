// What a concrete item settings class is built on: its section (SectionClass) and its Clone, a
// heap copy by its copy constructor, of the type its base's Clone returns.
#pragma once

#include <memory>
#include <utility>

#include "items/section_class.h"

template <class Derived, class Base>
class ItemClass : public SectionClass<Derived, Base> {
public:
  using SectionClass<Derived, Base>::SectionClass;

  auto Clone() const -> decltype(std::declval<const Base&>().Clone()) override {
    return std::make_unique<Derived>(static_cast<const Derived&>(*this));
  }
};
