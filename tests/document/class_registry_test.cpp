#include "document/class_registry.h"

#include <gtest/gtest.h>

#include "document/kq_iof_r.h"
#include "document/kq_iof_w.h"

namespace {

// A family of document classes of the tests' own, and a stand-alone item class.
class TestShape : public KQ_IOF_Item {
public:
  void Read(KQ_IOF_Virtual& stream, unsigned long version) {
    read_version = version;
    stream.ReadInt(size);
  }
  void Write(KQ_IOF_Virtual& stream) const override {
    WriteSectionHeader(stream, L"TestShape", 1);
    stream.WriteInt(size);
  }
  unsigned long read_version = 0;
  int size = 0;
};

class TestCircle : public TestShape {};

class TestItem : public KQ_IOF_Item {
public:
  void Read(KQ_IOF_Virtual& stream, unsigned long) { stream.ReadString(label); }
  void Write(KQ_IOF_Virtual& stream) const override {
    WriteSectionHeader(stream, L"TestItem", 1);
    stream.WriteString(label);
  }
  kq_string label = L"default";
};

REGISTER_DOCUMENT_FAMILY_CLASS(TestShape, TestShape);
REGISTER_DOCUMENT_FAMILY_CLASS(TestCircle, TestShape);
REGISTER_DOCUMENT_CLASS(TestItem);
// A second registration of a name keeps the first reader.
static const ReaderRegistration<IOF_Virtual_ReaderT_II<TestShape, TestShape>> duplicate(
    L"TestCircle");

std::vector<uint8_t> Record(const kq_string& class_name, unsigned long version, int field) {
  KQ_IOF_W writer;
  WriteSectionHeader(writer, class_name, version);
  writer.WriteInt(field);
  return writer.Bytes();
}

TEST(ClassRegistry, CreatesTheNamedClassAndPassesTheStoredVersion) {
  const std::vector<uint8_t> bytes = Record(L"TestCircle", 7, 42);
  ResourceBuffer buffer(bytes.data(), bytes.size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  std::unique_ptr<TestShape> shape = ReadFamilyByClassName<TestShape>(stream);
  ASSERT_NE(nullptr, shape);
  EXPECT_NE(nullptr, dynamic_cast<TestCircle*>(shape.get()));
  EXPECT_EQ(7u, shape->read_version);
  EXPECT_EQ(42, shape->size);
  EXPECT_EQ(0u, buffer.Remaining());
}

TEST(ClassRegistry, AMissIsAFailureNeverANullObject) {
  const struct {
    const char* what;
    kq_string class_name;
    bool items_registry;
  } cases[] = {
      {"names compare case-sensitively", L"testcircle", false},
      {"an unknown name", L"TestSquare", false},
      {"a family class is not in the items registry", L"TestCircle", true},
      {"an item class is not in a family registry", L"TestItem", false},
  };
  for (const auto& c : cases) {
    const std::vector<uint8_t> bytes = Record(c.class_name, 1, 5);
    ResourceBuffer buffer(bytes.data(), bytes.size());
    KQ_IOF_R<ResourceBuffer> stream(buffer);
    const bool found = c.items_registry ? ReadObjectByClassName(stream) != nullptr
                                        : ReadFamilyByClassName<TestShape>(stream) != nullptr;
    EXPECT_FALSE(found) << c.what;
    EXPECT_TRUE(stream.Failed()) << c.what;
  }
}

TEST(ClassRegistry, ItemRegistryRoundTripsAnItem) {
  TestItem item;
  item.label = L"fish";
  KQ_IOF_W writer;
  item.Write(writer);
  ResourceBuffer buffer(writer.Bytes().data(), writer.Bytes().size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  std::unique_ptr<KQ_IOF_Item> read = ReadObjectByClassName(stream);
  ASSERT_NE(nullptr, dynamic_cast<TestItem*>(read.get()));
  EXPECT_EQ(L"fish", static_cast<TestItem&>(*read).label);
}

TEST(ClassRegistry, TheFirstRegistrationOfANameWins) {
  const ClassRegistry& registry = IOF_Virtual_ReaderII<TestShape>::GetReaderRegistry();
  const std::vector<uint8_t> bytes = Record(L"TestCircle", 1, 0);
  ResourceBuffer buffer(bytes.data(), bytes.size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  EXPECT_EQ(2u, registry.size());
  EXPECT_NE(nullptr, dynamic_cast<TestCircle*>(ReadFamilyByClassName<TestShape>(stream).get()));
}

}  // namespace
