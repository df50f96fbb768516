#include "QlmMailParser.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QProcess>
#include <fstream>

#include "QlmTempDir.h"

namespace QlmMailParser {

QJsonObject Parse(const std::string& message) {
  QlmTempDir folder;
  const std::string path = folder.File("message.eml");
  std::ofstream(path, std::ios::binary).write(message.data(), static_cast<std::streamsize>(message.size()));
  QProcess python;
  python.start("/usr/bin/python3", {QLM_MAIL_PARSE_SCRIPT, QString::fromStdString(path)});
  if (!python.waitForFinished(60000) || python.exitCode() != 0) {
    return {{"error", QString("python3 failed: ") + python.readAllStandardError()}};
  }
  const QJsonDocument summary = QJsonDocument::fromJson(python.readAllStandardOutput());
  return summary.isObject() ? summary.object() : QJsonObject{{"error", "no JSON from python3"}};
}

std::string Sha256(const std::string& bytes) {
  return QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                  QCryptographicHash::Sha256)
      .toHex()
      .toStdString();
}

}  // namespace QlmMailParser
