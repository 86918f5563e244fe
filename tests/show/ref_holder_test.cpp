// Shared handles: counts, the release of the last handle, and handles that were let go.
#include "show/ref_holder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Base {
public:
  virtual ~Base() = default;
};

// Counts its destructions, so a test sees the object go through the base's destructor.
class Counted : public Base {
public:
  explicit Counted(int& destroyed) : destroyed_(destroyed) {}
  ~Counted() override { ++destroyed_; }

private:
  int& destroyed_;
};

TEST(RefHolder, CopiesShareOneCellAndTheLastReleaseDestroysTheObject) {
  int destroyed = 0;
  RefHolder<Base> first(std::make_unique<Counted>(destroyed));
  EXPECT_EQ(1, first.Count());
  {
    const RefHolder<Base> second = first;
    std::vector<RefHolder<Base>> more{first, second};
    EXPECT_EQ(4, first.Count());
    EXPECT_EQ(first.Get(), more[1].Get());
  }
  EXPECT_EQ(1, first.Count());
  EXPECT_EQ(0, destroyed);
  first.Release();
  EXPECT_EQ(1, destroyed);
  EXPECT_EQ(nullptr, first.Get());
}

TEST(RefHolder, AssignmentLetsGoOfTheOldCellAndSharesTheNewOne) {
  int destroyedA = 0, destroyedB = 0;
  RefHolder<Base> a(std::make_unique<Counted>(destroyedA));
  RefHolder<Base> b(std::make_unique<Counted>(destroyedB));
  RefHolder<Base> alsoB = b;
  a = b;
  EXPECT_EQ(1, destroyedA);
  EXPECT_EQ(3, b.Count());
  a = alsoB;  // two handles of one cell
  a = a;      // the same handle
  EXPECT_EQ(3, b.Count());
  EXPECT_EQ(0, destroyedB);
}

TEST(RefHolder, AHandleMadeEmptyHoldsNoObjectUntilAssigned) {
  int destroyed = 0;
  RefHolder<Base> current;
  EXPECT_EQ(nullptr, current.Get());
  EXPECT_EQ(1, current.Count());
  const RefHolder<Base> slide(std::make_unique<Counted>(destroyed));
  current = slide;
  EXPECT_EQ(slide.Get(), current.Get());
  EXPECT_EQ(2, slide.Count());
}

TEST(RefHolder, CopiesOfAReleasedHandleAreEmpty) {
  int destroyed = 0;
  RefHolder<Base> released(std::make_unique<Counted>(destroyed));
  released.Release();
  released.Release();
  const RefHolder<Base> copy = released;
  RefHolder<Base> assigned(std::make_unique<Counted>(destroyed));
  assigned = released;
  EXPECT_EQ(nullptr, copy.Get());
  EXPECT_EQ(0, copy.Count());
  EXPECT_EQ(nullptr, assigned.Get());
  EXPECT_EQ(2, destroyed);  // the released object, and the one the assignment let go of
}

}  // namespace
