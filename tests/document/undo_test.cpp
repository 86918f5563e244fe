// Undo histories of settings and of image links: at most 20 records, steps that swap the
// snapshot with an entry, and changes told to every other control of the owner.
#include <gtest/gtest.h>

#include "document/image_file_link.h"
#include "document/media_param_t.h"
#include "tests/document/recording_control.h"

namespace {

using document_testing::RecordingControl;
using Log = std::vector<std::string>;

// Each subject holds "value i" in its own terms; Index reads i back.
template <class Subject>
struct UndoSubject;

template <>
struct UndoSubject<MediaParamT<int>> {
  static void Change(MediaParamT<int>& s, int i) { s.Set(i); }
  static int Index(const MediaParamT<int>& s) { return s.Get(); }
};

template <>
struct UndoSubject<MediaParamT<D3DXVECTOR3>> {
  static void Change(MediaParamT<D3DXVECTOR3>& s, int i) {
    s.Set(D3DXVECTOR3(0, 0, static_cast<float>(i)));
  }
  static int Index(const MediaParamT<D3DXVECTOR3>& s) { return static_cast<int>(s.Get().z); }
};

template <>
struct UndoSubject<KQ_ImageFileLink> {
  static void Change(KQ_ImageFileLink& s, int i) { s.Set({L"frame" + std::to_wstring(i), i}); }
  static int Index(const KQ_ImageFileLink& s) { return static_cast<int>(s.Key().id); }
};

template <class Subject>
class UndoRules : public ::testing::Test {
protected:
  void Change(int i) { UndoSubject<Subject>::Change(subject, i); }
  int Index() const { return UndoSubject<Subject>::Index(subject); }

  Subject subject;
};

using Subjects = ::testing::Types<MediaParamT<int>, MediaParamT<D3DXVECTOR3>, KQ_ImageFileLink>;
TYPED_TEST_SUITE(UndoRules, Subjects);

TYPED_TEST(UndoRules, UndoControlIsFirstAndFollowsEveryChange) {
  auto& undo = this->subject.UndoControl();
  ASSERT_FALSE(this->subject.Controls().empty());
  EXPECT_EQ(&undo, this->subject.Controls()[0]);
  this->Change(6);
  TypeParam same_value;
  UndoSubject<TypeParam>::Change(same_value, 6);
  EXPECT_TRUE(undo.Snapshot() == same_value.UndoControl().Snapshot());
}

TYPED_TEST(UndoRules, KeepsTheTwentyNewestRecords) {
  auto& undo = this->subject.UndoControl();
  for (int i = 1; i <= 21; ++i) {  // records values 0 to 20, then changes to i
    undo.Record();
    this->Change(i);
  }
  EXPECT_EQ(20u, undo.HistorySize());
  for (int expected = 20; expected >= 1; --expected) {
    undo.Undo();
    EXPECT_EQ(expected, this->Index());
  }
  undo.Undo();  // value 0 was the 21st record back: gone
  EXPECT_EQ(1, this->Index());
}

TYPED_TEST(UndoRules, UndoTellsEveryOtherControlAndRedoReturns) {
  auto& undo = this->subject.UndoControl();
  this->Change(1);
  undo.Record();
  this->Change(2);
  Log log;
  RecordingControl first(log, "first"), second(log, "second");
  first.Watch(this->subject);
  second.Watch(this->subject);

  undo.Undo();
  EXPECT_EQ(1, this->Index());
  EXPECT_EQ((Log{"first", "second"}), log);
  EXPECT_EQ(&undo, first.last_source);

  undo.Redo();
  EXPECT_EQ(2, this->Index());
  undo.Redo();  // nothing newer
  EXPECT_EQ(2, this->Index());
  EXPECT_EQ(4u, log.size());
}

TYPED_TEST(UndoRules, UndoWithAnEmptyHistoryChangesNothing) {
  this->Change(3);
  Log log;
  RecordingControl binding(log, "binding");
  binding.Watch(this->subject);
  this->subject.UndoControl().Undo();
  this->subject.UndoControl().Redo();
  EXPECT_EQ(3, this->Index());
  EXPECT_TRUE(log.empty());
}

TYPED_TEST(UndoRules, RecordAfterUndoDropsWhatRedoCouldReach) {
  auto& undo = this->subject.UndoControl();
  for (int i = 1; i <= 3; ++i) {
    undo.Record();
    this->Change(i);
  }
  undo.Undo();
  undo.Undo();  // back to 1; 2 and 3 are reachable by redo
  EXPECT_EQ(1, this->Index());
  undo.Record();
  this->Change(9);
  undo.Redo();
  EXPECT_EQ(9, this->Index()) << "2 and 3 were discarded";
  undo.Undo();
  EXPECT_EQ(1, this->Index());
  undo.Undo();
  EXPECT_EQ(0, this->Index());
}

// An undo step that lands on the current value: a setting tells nobody, an image link always
// sets its key and tells its other controls.
TEST(UndoStepOntoTheCurrentValue, SettingStaysQuietImageLinkTells) {
  Log log;
  RecordingControl on_setting(log, "setting"), on_link(log, "link");
  MediaParamT<int> setting(4);
  KQ_ImageFileLink link(5, L"tessaly.dll");
  on_setting.Watch(setting);
  on_link.Watch(link);
  setting.UndoControl().Record();
  link.UndoControl().Record();
  setting.UndoControl().Undo();
  link.UndoControl().Undo();
  EXPECT_EQ(Log{"link"}, log);
}

}  // namespace
