// Preloaded into tarnik-tool: notes every fsync and rename in SYNC_TRACE_LOG.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Appends one line to the trace.
void Note(const char* what, const char* a, const char* b) {
  const char* log = std::getenv("SYNC_TRACE_LOG");
  if (!log) return;
  if (FILE* f = std::fopen(log, "a")) {
    std::fprintf(f, b ? "%s %s %s\n" : "%s %s\n", what, a, b);
    std::fclose(f);
  }
}

// The real function of that name, after this library.
template <typename F>
F Next(const char* name) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd) {
  char link[64], path[4096];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t n = readlink(link, path, sizeof path - 1);
  path[n > 0 ? n : 0] = '\0';
  Note("fsync", path, nullptr);
  return Next<int (*)(int)>("fsync")(fd);
}

extern "C" int fdatasync(int fd) { return fsync(fd); }

extern "C" int rename(const char* from, const char* to) {
  Note("rename", from, to);
  return Next<int (*)(const char*, const char*)>("rename")(from, to);
}
