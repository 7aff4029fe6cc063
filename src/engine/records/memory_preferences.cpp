#include "engine/records/memory_preferences.h"

namespace tarnik {

std::optional<uint32_t> MemoryPreferenceStore::ReadNumber(const char* name) {
  const auto it = values_.find(name);
  if (it == values_.end() || !std::holds_alternative<uint32_t>(it->second)) return std::nullopt;
  return std::get<uint32_t>(it->second);
}

std::optional<std::string> MemoryPreferenceStore::ReadText(const char* name) {
  const auto it = values_.find(name);
  if (it == values_.end() || !std::holds_alternative<std::string>(it->second)) return std::nullopt;
  return std::get<std::string>(it->second);
}

bool MemoryPreferenceStore::Create() {
  if (refuseCreate_) return false;
  exists_ = true;
  return true;
}

void MemoryPreferenceStore::WriteNumber(const char* name, uint32_t value) {
  if (exists_) values_[name] = value;
}

void MemoryPreferenceStore::WriteText(const char* name, const char* buffer, size_t size) {
  if (exists_) values_[name] = std::string(buffer, size);
}

void MemoryPreferenceStore::Put(const std::string& name, Value value) {
  exists_ = true;
  values_[name] = std::move(value);
}

}  // namespace tarnik
