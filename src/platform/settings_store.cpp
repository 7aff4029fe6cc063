#include "platform/settings_store.h"

#include <cstdint>
#include <cstring>

#include "platform/settings_lock.h"

namespace tarnik {

SettingsPreferenceStore::SettingsPreferenceStore() : settings_("Velmoran", "Tarnik Solitaire") {}

SettingsPreferenceStore::SettingsPreferenceStore(const QString& iniFile)
    : settings_(iniFile, QSettings::IniFormat) {}

bool SettingsPreferenceStore::Exists() {
  return !settings_.allKeys().isEmpty();
}

// A number from -2^31 to 2^32 - 1, as a 32-bit word; anything else is not one.
std::optional<uint32_t> SettingsPreferenceStore::ReadNumber(const char* name) {
  const QVariant value = settings_.value(QString::fromLatin1(name));
  if (!value.isValid()) return std::nullopt;
  bool ok = false;
  const qlonglong number = value.toString().trimmed().toLongLong(&ok);
  if (!ok || number < INT32_MIN || number > qlonglong{UINT32_MAX}) return std::nullopt;
  return static_cast<uint32_t>(number);
}

std::optional<std::string> SettingsPreferenceStore::ReadText(const char* name) {
  const QVariant value = settings_.value(QString::fromLatin1(name));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

bool SettingsPreferenceStore::Create() {
  return settings_.isWritable();
}

// Numbers are kept signed, so that a window left of the screen reads -10.
void SettingsPreferenceStore::WriteNumber(const char* name, uint32_t value) {
  settings_.setValue(QString::fromLatin1(name), static_cast<int>(static_cast<int32_t>(value)));
}

// The text up to its terminator; the bytes behind it mean nothing here.
void SettingsPreferenceStore::WriteText(const char* name, const char* buffer, size_t size) {
  const auto length = static_cast<qsizetype>(strnlen(buffer, size));
  settings_.setValue(QString::fromLatin1(name), QString::fromUtf8(buffer, length));
}

// A lock left by a program that died while writing would hold the write up
// for half a minute: it is cleared first.
void SettingsPreferenceStore::Close() {
  RemoveDeadSettingsLock(settings_.fileName());
  settings_.sync();
}

}  // namespace tarnik
