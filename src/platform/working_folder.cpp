#include "platform/working_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/data_upgrade.h"

namespace tarnik {

namespace {

bool HoldsLibrary(const QString& folder) {
  return QFileInfo(QDir(folder).filePath(QStringLiteral("Data/Tarnik.tkl"))).isFile();
}

// A folder's name as the file system spells it.
std::filesystem::path LocalPath(const QString& folder) {
  return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

}  // namespace

bool PlaysInCurrentFolder() { return HoldsLibrary(QDir::currentPath()); }

bool EnterDataFolder(const QStringList& installedData, const QString& userFolder,
                     QString* error) {
  if (PlaysInCurrentFolder()) return true;
  QString installed;
  for (const QString& folder : installedData)
    if (HoldsLibrary(folder)) {
      installed = folder;
      break;
    }
  if (!installed.isEmpty()) {
    QDir().mkpath(userFolder);
    UpdateDataFolder(LocalPath(installed), LocalPath(userFolder));
  }
  if (!HoldsLibrary(userFolder)) {
    *error = QStringLiteral("Tarnik Solitaire cannot find its game library \"Data/Tarnik.tkl\" "
                            "in the current folder, in %1 or in the installed data.")
                 .arg(userFolder);
    return false;
  }
  QDir::setCurrent(userFolder);
  return true;
}

}  // namespace tarnik
