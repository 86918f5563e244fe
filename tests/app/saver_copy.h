// A copy of the saver in a folder of its own (removed at the end), for tests that put other
// files beside it.
#pragma once

#include <string>

class SaverCopy {
public:
  explicit SaverCopy(const std::wstring& name);
  ~SaverCopy();
  const std::wstring& Folder() const { return folder_; }
  const std::wstring& Program() const { return program_; }

private:
  std::wstring folder_, program_;
};
