#include "platform/working_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace tarnik {

namespace {

bool HoldsLibrary(const QString& folder) {
  return QFileInfo(QDir(folder).filePath(QStringLiteral("Data/Tarnik.tkl"))).isFile();
}

}  // namespace

void FillMissingFiles(const QString& from, const QString& to) {
  const QDir source(from);
  QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString file = it.next();
    const QString target = QDir(to).filePath(source.relativeFilePath(file));
    if (QFileInfo::exists(target)) continue;  // the player's own copy stays
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::copy(file, target);
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
  }
}

bool EnterDataFolder(const QStringList& installedData, const QString& userFolder,
                     QString* error) {
  if (HoldsLibrary(QDir::currentPath())) return true;
  QString installed;
  for (const QString& folder : installedData)
    if (HoldsLibrary(folder)) {
      installed = folder;
      break;
    }
  if (!installed.isEmpty()) {
    QDir().mkpath(userFolder);
    FillMissingFiles(installed, userFolder);
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
