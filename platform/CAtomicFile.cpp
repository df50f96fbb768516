#include "platform/CAtomicFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <vector>

#include "platform/QlmPath.h"

namespace {

constexpr const char* TemporarySuffix = ".tmp";
constexpr size_t RandomLength = 6;
// Name parts kept short enough that the temporary name stays a valid file name.
constexpr size_t MaximumTargetPart = 160;
constexpr size_t MaximumHostPart = 40;
constexpr size_t CopyBufferSize = 1 << 16;

// This machine's name in the characters a file name may always hold.
std::string HostPart() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0 || !name[0]) return "host";
  std::string host(name);
  if (host.size() > MaximumHostPart) host.resize(MaximumHostPart);
  for (char& c : host) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') c = '-';
  }
  return host;
}

// ".<target name>." of every temporary file of the target.
std::string TemporaryPrefix(const std::string& target) {
  std::string name = QlmPath::FileName(target);
  if (name.size() > MaximumTargetPart) name.resize(MaximumTargetPart);
  return "." + name + ".";
}

std::string FolderPrefix(const std::string& target) {
  const std::string folder = QlmPath::Directory(target);
  return folder.empty() ? std::string() : folder + "/";
}

struct Writer {
  pid_t Process = 0;
  std::string Host;
};

// The writer named by a temporary file of the target, or false for any other name.
bool ParseTemporary(const std::string& name, const std::string& prefix, Writer& writer) {
  const std::string suffix = TemporarySuffix;
  if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
      name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
    return false;
  }
  const std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  const size_t at = middle.find('@');
  const size_t dot = middle.rfind('.');
  if (at == std::string::npos || dot == std::string::npos || dot < at + 2 || middle.size() - dot - 1 != RandomLength) {
    return false;
  }
  const char* first = middle.data();
  const auto [end, error] = std::from_chars(first, first + at, writer.Process);
  if (error != std::errc() || end != first + at || writer.Process <= 0) return false;
  writer.Host = middle.substr(at + 1, dot - at - 1);
  return true;
}

bool IsRunning(pid_t process) { return ::kill(process, 0) == 0 || errno != ESRCH; }

// Mode for the new file: the target's when it exists, else 0666 less the umask.
mode_t ModeFor(const std::string& target) {
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0) return info.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

CAtomicFile::~CAtomicFile() { this->Discard(); }

bool CAtomicFile::Open(const std::string& targetPath, unsigned, CFileException* error) {
  this->Discard();
  const std::string target = QlmPath::ToNative(targetPath);
  RemoveStaleTemporaries(target);
  std::string temp = FolderPrefix(target) + TemporaryPrefix(target) + std::to_string(::getpid()) + "@" + HostPart() +
                     "." + std::string(RandomLength, 'X') + TemporarySuffix;
  const int fd = ::mkostemps(temp.data(), static_cast<int>(std::char_traits<char>::length(TemporarySuffix)), O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = CFileException(CFileException::CauseFromErrno(errno), errno, targetPath);
    return false;
  }
  ::fchmod(fd, ModeFor(target));
  this->Descriptor = fd;
  this->FilePath = temp;
  this->TargetPath = target;
  return true;
}

void CAtomicFile::Commit() {
  try {
    this->Flush();
    this->Close();
    CFile::Rename(this->FilePath, this->TargetPath);
  } catch (const CFileException&) {
    this->Discard();
    throw;
  }
  SyncFolder(QlmPath::Directory(this->TargetPath));
  this->FilePath.clear();
}

void CAtomicFile::Discard() {
  this->Abort();
  if (!this->FilePath.empty()) ::unlink(this->FilePath.c_str());
  this->FilePath.clear();
}

bool CAtomicFile::Copy(const std::string& sourcePath, const std::string& targetPath) {
  try {
    CFile source;
    CAtomicFile target;
    if (!source.Open(sourcePath, modeRead) || !target.Open(targetPath)) return false;
    std::vector<char> buffer(CopyBufferSize);
    while (const size_t count = source.Read(buffer.data(), buffer.size())) target.Write(buffer.data(), count);
    target.Commit();
    return true;
  } catch (const CFileException&) {
    return false;
  }
}

int CAtomicFile::RemoveStaleTemporaries(const std::string& targetPath) {
  const std::string target = QlmPath::ToNative(targetPath);
  const std::string prefix = TemporaryPrefix(target);
  const std::string host = HostPart();
  const std::string folder = QlmPath::Directory(target);
  std::error_code error;
  std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
  int removed = 0;
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    Writer writer;
    const std::string name = entries->path().filename().string();
    if (!ParseTemporary(name, prefix, writer) || writer.Host != host || writer.Process == ::getpid() ||
        IsRunning(writer.Process)) {
      continue;
    }
    if (::unlink((FolderPrefix(target) + name).c_str()) == 0) ++removed;
  }
  return removed;
}
