#pragma once
// Writes a file so that a failure never destroys the previous one: the bytes
// go to a temporary file in the target's folder, which Commit flushes to disk
// and renames over the target. Destroyed without Commit, the temporary file is
// removed and the target is untouched.
//
// A temporary file is named after its target and its writer,
//   .<target name>.<process id>@<host>.<6 random characters>.tmp
// so that one left behind by a writer that was killed can be told from one
// still being written. Open removes the stale ones of its target first.
#include <string>

#include "platform/CFile.h"

class CAtomicFile : public CFile {
public:
  CAtomicFile() = default;
  ~CAtomicFile() override;

  // Removes the stale temporary files of `targetPath`, then creates a new one
  // (flags are ignored: always write).
  bool Open(const std::string& targetPath, unsigned flags = modeWrite, CFileException* error = nullptr) override;
  // fsync, rename over the target, fsync the folder. Throws CFileException;
  // on failure the temporary file is removed and the target untouched.
  void Commit();
  // Drops the temporary file.
  void Discard();

  const std::string& GetTargetPath() const { return this->TargetPath; }

  // Copies the file `sourcePath` to `targetPath` through a temporary file:
  // false when the source cannot be read or the copy cannot be written,
  // the target then as it was (also when both name the same file).
  static bool Copy(const std::string& sourcePath, const std::string& targetPath);

  // Removes the temporary files of `targetPath` whose writer ran on this host
  // and no longer runs. Those of other hosts, of running processes and files
  // not named by this class are kept. Returns how many were removed.
  static int RemoveStaleTemporaries(const std::string& targetPath);

private:
  std::string TargetPath;
};
