// The built-in demo show, embedded in this test program as the saver embeds it ("DDS" 107), holds
// an object of every class the three class registries know: while the document loads, every
// reader in them is stood in for by one that notes its class name and hands on to the real
// reader, so a class counts only where the document asks for it by name (not where it is only
// the base section of another class). Some of its sections are older versions of their classes'.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "document/class_registry.h"
#include "document/kq_iof_w.h"
#include "show/kq_2d_light.h"
#include "show/kq_slide_container.h"
#include "show/project_document.h"
#include "tests/support/demo_document_bytes.h"
#include "tests/support/scene_device_test.h"

namespace {

class NotingReader : public IOF_Virtual_Reader {
public:
  NotingReader(const IOF_Virtual_Reader& real, kq_string name, std::set<kq_string>& read)
      : real_(real), name_(std::move(name)), read_(read) {}

  std::unique_ptr<KQ_IOF_Item> CreateAndRead(KQ_IOF_Virtual& stream,
                                             unsigned long version) const override {
    read_.insert(name_);
    return real_.CreateAndRead(stream, version);
  }

private:
  const IOF_Virtual_Reader& real_;
  kq_string name_;
  std::set<kq_string>& read_;
};

// The registries' readers replaced by noting ones while it lives; the real ones come back after.
class NotedRegistries {
public:
  explicit NotedRegistries(std::set<kq_string>& read) {
    for (ClassRegistry* registry : registries_) {
      saved_.push_back(*registry);
      for (auto& [name, reader] : *registry) {
        noting_.push_back(std::make_unique<NotingReader>(*reader, name, read));
        reader = noting_.back().get();
      }
    }
  }
  ~NotedRegistries() {
    for (size_t i = 0; i < registries_.size(); ++i) *registries_[i] = saved_[i];
  }

  bool EachHoldsAClass() const {
    for (const ClassRegistry& registry : saved_)
      if (registry.empty()) return false;
    return true;
  }

  std::set<kq_string> Names() const {
    std::set<kq_string> names;
    for (const ClassRegistry& registry : saved_)
      for (const auto& entry : registry) names.insert(entry.first);
    return names;
  }

private:
  const std::vector<ClassRegistry*> registries_ = {
      &IOF_Virtual_Reader::GetReaderRegistry(),
      &IOF_Virtual_ReaderII<KQ_2D_Light>::GetReaderRegistry(),
      &IOF_Virtual_ReaderII<KQ_SlideContainer>::GetReaderRegistry()};
  std::vector<ClassRegistry> saved_;
  std::vector<std::unique_ptr<NotingReader>> noting_;
};

class DemoShowClasses : public scene_testing::SceneDeviceTest {};

TEST_F(DemoShowClasses, TheDocumentHoldsAnObjectOfEveryRegisteredClass) {
  std::set<kq_string> read;
  std::set<kq_string> registered;
  {
    NotedRegistries noted(read);
    // Lights, slides and items: an empty registry would make the test pass for nothing.
    ASSERT_TRUE(noted.EachHoldsAClass());
    registered = noted.Names();
    const ProjectDocument document = LoadProjectDocument();
    ASSERT_NE(nullptr, document.root);
  }
  for (const kq_string& name : registered) {
    EXPECT_TRUE(read.count(name)) << "no " << std::string(name.begin(), name.end())
                                  << " in the built-in show";
  }
}

TEST(DemoShowSections, HoldsOlderVersionsOfSomeSections) {
  const std::vector<uint8_t> document = testing_support::DemoDocumentBytes();
  ASSERT_FALSE(document.empty());
  struct Section {
    const wchar_t* className;
    unsigned long version;
  };
  const Section older[] = {
      // The moon: a still picture of the first version over sprite properties of version 4.
      {L"KQ_StatObjConstructor", 1},
      {L"KQ_BaseSpriteProp", 4},
      {L"KQ_FlowConstructor", 1},  // the dandelion seeds
      {L"KQ_FlowConstructor", 2},  // the rain on the coast
      {L"KQ_FX_Constructor", 1},   // under the glow of dawn
      {L"KQ_FlameLight", 1},       // the hearth at dawn
      {L"KQ_2D_Light", 2},         // the ghosts over the night lake
  };
  for (const Section& section : older) {
    KQ_IOF_W header;
    WriteSectionHeader(header, section.className, section.version);
    const std::vector<uint8_t>& bytes = header.Bytes();
    const std::wstring name = section.className;
    EXPECT_NE(document.end(),
              std::search(document.begin(), document.end(), bytes.begin(), bytes.end()))
        << std::string(name.begin(), name.end()) << " version " << section.version;
  }
}

}  // namespace
