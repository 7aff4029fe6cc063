// The preferences kept in the desktop's settings: QSettings of "Velmoran",
// "Tarnik Solitaire" (on Linux the file
// ~/.config/Velmoran/Tarnik Solitaire.conf), numbers as integers and the
// player file path as text.
#pragma once

#include <QSettings>
#include <QString>

#include "engine/records/preference_store.h"

namespace tarnik {

class SettingsPreferenceStore : public PreferenceStore {
 public:
  // The player's own settings.
  SettingsPreferenceStore();
  // Settings kept in the given INI file (for tests and portable copies).
  explicit SettingsPreferenceStore(const QString& iniFile);

  bool Exists() override;
  std::optional<uint32_t> ReadNumber(const char* name) override;
  std::optional<std::string> ReadText(const char* name) override;
  bool Create() override;
  void WriteNumber(const char* name, uint32_t value) override;
  void WriteText(const char* name, const char* buffer, size_t size) override;
  void Close() override;

 private:
  QSettings settings_;
};

}  // namespace tarnik
