#pragma once
// What the five library-file classes share: the library folder, the file
// of a library name, name checks, and reading and writing a file with every
// failure turned into 0 and a reason.
//
// The file of a library is the library folder + its name + the kind's
// extension. Load reads the file that a folder scan lists under that title,
// whatever the case of its extension ("X.DNT" for a teeth library "X");
// Save writes over that file, else creates one with the lower-case extension.
//
// See also: CQlmLibraryFile.
#include <functional>
#include <string>

#include "platform/CString.h"

class CQlmLibraryReader;
class CQlmLibraryWriter;

class CQlmLibraryFileBase {
public:
  // The machine-wide application-data folder + "/Quillmar/Quorvantile/",
  // ending in a separator. The settings file lives there too.
  static CString GetLibraryFolder();
  // A name that may select a file in the folder: not empty, not "." or "..",
  // no separator or control character, every character held by Windows-1252.
  static bool IsValidLibraryName(const CString& name);

  // ".dnt", ".geo", ".end", ".omp" or ".imp".
  const char* GetExtension() const { return this->Extension; }
  // Why the last Load or Save returned 0, in Portuguese, for the callers'
  // "Erro lendo biblioteca <nome>: " message. Empty after a success and when
  // the user declined to overwrite a file.
  const CString& GetReason() const { return this->Reason; }

protected:
  explicit CQlmLibraryFileBase(const char* extension) : Extension(extension) {}

  // The path of the library named `name`.
  std::string FindFile(const CString& name) const;
  // 0 with `reason`.
  int Refuse(const CString& reason);
  // Reads the file of `name` through `read`. 0 with the reason when the file
  // cannot be opened or read or `read` raises.
  int ReadFile(const CString& name, const std::function<void(CQlmLibraryReader&)>& read);
  // Asks before replacing an existing file, then writes the file of `name`
  // atomically through `write`: a failure leaves the previous file as it was.
  int WriteFile(const CString& name, const std::function<void(CQlmLibraryWriter&)>& write);

private:
  // Runs `body`; an exception gives 0 with its reason, `fileError` for one of the file layer.
  int Guarded(const std::function<int()>& body, const char* fileError);

  const char* Extension;
  CString Reason;
};
