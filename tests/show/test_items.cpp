#include "tests/show/test_items.h"

#include "document/class_registry.h"
#include "items/kq_ab_render.h"

namespace show_testing {

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

void TestItemConstructor::Read(KQ_IOF_Virtual& stream, unsigned long) {
  kq_string wideLabel;
  stream.ReadString(wideLabel);
  label.assign(wideLabel.begin(), wideLabel.end());
  stream.ReadInt(needsSceneCapture);
  ReadConstructorSection(stream);
}

void TestItemConstructor::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"TestItemConstructor", 1);
  stream.WriteString(kq_string(label.begin(), label.end()));
  stream.WriteInt(needsSceneCapture);
  KQ_ABObj_Constructor::Write(stream);
}

std::unique_ptr<KQ_ABObj> TestItemConstructor::CreateObject() {
  return std::make_unique<TestItem>(std::make_unique<TestItemConstructor>(*this));
}

void TestItemConstructor::Restart() { Log().push_back("restart " + label); }

void TestItem::Draw(KQ_ABRender& light) {
  sceneSeen = *light.GetSceneTexture();
  Log().push_back("draw " + TestSettings().label);
}

void TestItem::Update(float) { Log().push_back("update " + TestSettings().label); }

int TestItem::NeedsSceneCapture() const { return TestSettings().needsSceneCapture; }

const TestItemConstructor& TestItem::TestSettings() const {
  return static_cast<const TestItemConstructor&>(Settings());
}

REGISTER_DOCUMENT_CLASS(TestItemConstructor);

}  // namespace show_testing
