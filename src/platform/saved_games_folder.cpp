#include "platform/saved_games_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarnik {

QString SavedGamesFolder(const QString& documents) {
  return QDir(documents).filePath(QStringLiteral("Tarnik Solitaire"));
}

QString SavedGamesFolder() {
  return SavedGamesFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::string FirstSavedGamePath(bool portable, const QString& documents, size_t bufferSize) {
  const std::string classic = "Data/Tarnik.tkg";
  if (portable || documents.isEmpty()) return classic;
  const QString path = QDir(SavedGamesFolder(documents)).filePath(QStringLiteral("Tarnik.tkg"));
  const std::string local = QFile::encodeName(path).toStdString();
  return local.size() < bufferSize ? local : classic;
}

void PrepareSavedGamesFolder(const std::string& path) {
  const QString folder = SavedGamesFolder();
  const QFileInfo file(QFile::decodeName(QByteArray::fromStdString(path)));
  if (file.absolutePath() == QDir(folder).absolutePath()) QDir().mkpath(folder);
}

}  // namespace tarnik
