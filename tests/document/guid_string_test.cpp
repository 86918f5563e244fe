#include "document/guid_string.h"

#include <gtest/gtest.h>

#include "document/kq_iof_r.h"
#include "document/kq_iof_w.h"

namespace {

const GUID Sample = {0x0123ABCD, 0x4567, 0x89EF, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};

TEST(GuidString, WritesTheRegistryFormAndReadsItBack) {
  KQ_IOF_W writer;
  WriteGuidString(writer, Sample);
  ResourceBuffer buffer(writer.Bytes().data(), writer.Bytes().size());
  KQ_IOF_R<ResourceBuffer> reader(buffer);
  kq_string text;
  reader.ReadString(text);
  EXPECT_EQ(L"{0123ABCD-4567-89EF-0123-456789ABCDEF}", text);

  ResourceBuffer again(writer.Bytes().data(), writer.Bytes().size());
  KQ_IOF_R<ResourceBuffer> stream(again);
  GUID read = GUID_NULL;
  ReadGuidString(stream, read);
  EXPECT_TRUE(IsEqualGUID(Sample, read));
}

TEST(GuidString, ParsesLowerCaseDigits) {
  GUID read;
  EXPECT_TRUE(ParseGuidString(L"{0123abcd-4567-89ef-0123-456789abcdef}", read));
  EXPECT_TRUE(IsEqualGUID(Sample, read));
}

TEST(GuidString, AnythingElseGivesTheNullGuid) {
  const wchar_t* const cases[] = {
      L"",
      L"{}",
      L"0123ABCD-4567-89EF-0123-456789ABCDEF",
      L"{0123ABCD-4567-89EF-0123-456789ABCDEF",
      L"{0123ABCD-4567-89EF-0123-456789ABCDEF}x",
      L"{0123ABCD-4567-89EF-0123+456789ABCDEF}",
      L"{0123ABCG-4567-89EF-0123-456789ABCDEF}",
      L"{ 123ABCD-4567-89EF-0123-456789ABCDEF}",
      L"Shell.Application",  // a ProgID is not looked up
  };
  for (const wchar_t* text : cases) {
    GUID read = Sample;
    EXPECT_FALSE(ParseGuidString(text, read)) << text;
    EXPECT_TRUE(IsEqualGUID(GUID_NULL, read)) << text;
  }
}

}  // namespace
