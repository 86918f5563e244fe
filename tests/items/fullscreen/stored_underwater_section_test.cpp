// The underwater ripple's section written by hand, row by row: read field by field, and written
// back as the current section of what was read.
#include <gtest/gtest.h>

#include "items/fullscreen/kq_underwater_fx.h"
#include "tests/support/stored_sections.h"

namespace {

using namespace testing_support::stored_fields;
using testing_support::Fixture;
using testing_support::FxConstructorFields;
using testing_support::FxConstructorSection;
using testing_support::ReadAll;
using testing_support::Written;

std::vector<uint8_t> RippleSection(const FxConstructorFields& base) {
  return Fixture({String(L"KQ_UnderwaterFX"), ULong(1),
                  UInt(80),  // amplitude
                  UInt(30),  // frequency
                  FxConstructorSection(base)});
}

TEST(StoredUnderwaterRipple, ReadsAmplitudeFrequencyAndEitherEffectBaseAndWritesTheCurrentOne) {
  for (unsigned long baseVersion : {1ul, 2ul}) {
    SCOPED_TRACE(baseVersion);
    FxConstructorFields base;
    base.version = baseVersion;
    const std::unique_ptr<KQ_UnderwaterFX> ripple = ReadAll(RippleSection(base), ReadUnderwaterFX);
    EXPECT_EQ(80u, ripple->amplitude.Get());
    EXPECT_FLOAT_EQ(0.01f, ripple->amplitude.Result());
    EXPECT_EQ(30u, ripple->frequency.Get());
    EXPECT_FLOAT_EQ(0.061f, ripple->frequency.Result());
    testing_support::ExpectFxConstructorFields(base, *ripple);

    FxConstructorFields current = base;
    current.version = 2;
    if (baseVersion == 1) current.scale = 50;  // what a version-1 base leaves
    EXPECT_EQ(RippleSection(current), Written([&](KQ_IOF_Virtual& out) { ripple->Write(out); }));
  }
}

}  // namespace
