#pragma once
// Writes a file so that a failure never destroys the previous one: the bytes
// go to a uniquely named temporary file in the target's folder, which Commit
// flushes to disk and renames over the target. Destroyed without Commit, the
// temporary file is removed and the target is untouched.
#include "platform/CFile.h"

class CAtomicFile : public CFile {
public:
  CAtomicFile() = default;
  ~CAtomicFile() override;

  // Creates the temporary file for `targetPath` (flags are ignored: always write).
  bool Open(const std::string& targetPath, unsigned flags = modeWrite, CFileException* error = nullptr) override;
  // fsync, rename over the target, fsync the folder. Throws CFileException;
  // on failure the temporary file is removed and the target untouched.
  void Commit();
  // Drops the temporary file.
  void Discard();

  const std::string& GetTargetPath() const { return this->TargetPath; }

private:
  std::string TargetPath;
};
