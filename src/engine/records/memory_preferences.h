// A preference store kept in memory: for the tests, and for programs that
// run without the desktop's settings.
#pragma once

#include <map>
#include <string>
#include <variant>

#include "engine/records/preference_store.h"

namespace tarnik {

class MemoryPreferenceStore : public PreferenceStore {
 public:
  using Value = std::variant<uint32_t, std::string>;

  bool Exists() override { return exists_; }
  std::optional<uint32_t> ReadNumber(const char* name) override;
  std::optional<std::string> ReadText(const char* name) override;
  bool Create() override;
  void WriteNumber(const char* name, uint32_t value) override;
  void WriteText(const char* name, const char* buffer, size_t size) override;
  void Close() override { ++closes_; }

  // Puts a value in place as another program might have left it.
  void Put(const std::string& name, Value value);
  // Makes every later Create fail, as a key that cannot be created does.
  void RefuseCreate() { refuseCreate_ = true; }
  const std::map<std::string, Value>& Values() const { return values_; }
  // How many series of writes were ended.
  int Closes() const { return closes_; }

 private:
  std::map<std::string, Value> values_;
  bool exists_ = false;
  bool refuseCreate_ = false;
  int closes_ = 0;
};

}  // namespace tarnik
