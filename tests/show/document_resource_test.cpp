// A program whose "DDS" 107 is missing (show_tests) or empty (empty_document_tests) refuses to
// load its document: the framework's "required media" code, and the current manager untouched.
#include <gtest/gtest.h>

#include "show/project_document.h"
#include "tests/support/recording_maker.h"

namespace {

TEST(DocumentResourceTest, AMissingOrEmptyDocumentResourceIsRefused) {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(ProjectDocumentResource), L"DDS");
  ASSERT_TRUE(!found || SizeofResource(nullptr, found) == 0) << "this program carries a document";

  std::vector<std::string> log;
  const std::unique_ptr<KQ_DocResManager> earlier = doc_res_testing::RecordingManager(log);
  CurrentDocResManager = earlier.get();
  HRESULT code = S_OK;
  try {
    LoadProjectDocument();
  } catch (HRESULT thrown) {
    code = thrown;
  }
  EXPECT_EQ(static_cast<HRESULT>(0x8200000B), code);
  EXPECT_EQ(earlier.get(), CurrentDocResManager);
  CurrentDocResManager = nullptr;
}

}  // namespace
