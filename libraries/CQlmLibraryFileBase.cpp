#include "libraries/CQlmLibraryFileBase.h"

#include <algorithm>
#include <filesystem>
#include <new>

#include "libraries/CQlmLibraryFileError.h"
#include "libraries/CQlmLibraryReader.h"
#include "libraries/CQlmLibraryWriter.h"
#include "platform/CArchive.h"
#include "platform/CAtomicFile.h"
#include "platform/CQlmPrompter.h"
#include "platform/QlmAppData.h"
#include "platform/QlmCodePage1252.h"
#include "platform/QlmPath.h"

namespace {

constexpr uint64_t LoadBufferSize = 65536;

bool HasControlCharacter(const std::string& text) {
  for (size_t at = 0; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x20 || byte == 0x7F) return true;
    // U+0080 ... U+009F
    if (byte == 0xC2 && at + 1 < text.size() && static_cast<unsigned char>(text[at + 1]) < 0xA0) return true;
  }
  return false;
}

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(QlmPath::ToNative(path), error);
}

}  // namespace

CString CQlmLibraryFileBase::GetLibraryFolder() { return CString(QlmAppData::ProgramFolder()); }

bool CQlmLibraryFileBase::IsValidLibraryName(const CString& name) {
  const std::string& text = name.Str();
  return !text.empty() && text != "." && text != ".." && text.find_first_of("/\\") == std::string::npos &&
         !HasControlCharacter(text) && QlmCodePage1252::CanEncode(text);
}

std::string CQlmLibraryFileBase::FindFile(const CString& name) const {
  const std::string folder = GetLibraryFolder().Str();
  const std::string exact = name.Str() + this->Extension;
  std::error_code error;
  if (std::filesystem::is_regular_file(QlmPath::ToNative(folder + exact), error)) return folder + exact;
  for (const std::string& file : QlmPath::FilesWithExtension(folder, this->Extension + 1)) {
    if (QlmPath::FileTitle(file) == name.Str()) return folder + file;
  }
  return folder + exact;
}

int CQlmLibraryFileBase::Refuse(const CString& reason) {
  this->Reason = reason;
  return 0;
}

int CQlmLibraryFileBase::Guarded(const std::function<int()>& body, const char* fileError) {
  try {
    return body();
  } catch (const CQlmLibraryFileError& error) {
    return this->Refuse(error.what());
  } catch (const std::bad_alloc&) {
    return this->Refuse("memória insuficiente");
  } catch (const std::exception&) {
    return this->Refuse(fileError);
  }
}

int CQlmLibraryFileBase::ReadFile(const CString& name, const std::function<void(CQlmLibraryReader&)>& read) {
  this->Reason.Empty();
  const std::string path = this->FindFile(name);
  CFile file;
  CFileException error(CFileException::none, 0, path);
  if (!file.Open(path, CFile::modeRead, &error))
    return this->Refuse(error.m_cause == CFileException::fileNotFound ? "arquivo não encontrado"
                                                                      : "não foi possível abrir o arquivo");
  return this->Guarded(
      [&] {
        // Strings, counts and colours go through the archive's buffer; points and
        // indices, read in blocks larger than it, mostly bypass it.
        CArchive archive(&file, CArchive::load,
                         static_cast<size_t>(std::min<uint64_t>(file.GetLength(), LoadBufferSize)));
        CQlmLibraryReader reader(archive);
        read(reader);
        return 1;
      },
      "erro de leitura do arquivo");
}

int CQlmLibraryFileBase::WriteFile(const CString& name, const std::function<void(CQlmLibraryWriter&)>& write) {
  this->Reason.Empty();
  const std::string path = this->FindFile(name);
  if (Exists(path) && QlmMessageBox(name + this->Extension + " já existe. Deseja continuar?", "Salvando Arquivo",
                                    QlmButtons::YesNo, QlmIcon::Warning) != QlmAnswer::Yes)
    return 0;
  CAtomicFile file;
  if (!file.Open(path))
    return this->Refuse(Exists(GetLibraryFolder().Str()) ? "não foi possível criar o arquivo"
                                                         : "a pasta de bibliotecas não existe");
  return this->Guarded(
      [&] {
        CArchive archive(&file, CArchive::store);
        CQlmLibraryWriter writer(archive);
        write(writer);
        archive.Close();
        file.Commit();
        return 1;
      },
      "erro gravando o arquivo");
}
