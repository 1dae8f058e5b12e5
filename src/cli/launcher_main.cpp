// glyphsmithy-cli: answers --help and --version itself, without loading Qt, so scripts that probe
// the tool pay almost nothing; every other command runs in glyphsmithy-cli-engine beside it.
#include <cstdio>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "cli/usage_text.h"

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr const char* kVersion = "glyphsmithy-cli 7.0";

std::string OwnFolder(const char* argv0) {
  std::string path;
#ifdef _WIN32
  char buffer[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  if (n > 0 && n < MAX_PATH) path.assign(buffer, n);
#else
  char buffer[4096];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n > 0) path.assign(buffer, static_cast<size_t>(n));
#endif
  if (path.empty() && argv0) path = argv0;
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
                    std::strcmp(argv[1], "help") == 0)) {
    std::fputs(UsageText(), stdout);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::puts(kVersion);
    return 0;
  }
#ifdef _WIN32
  const std::string engine = OwnFolder(argv[0]) + "\\glyphsmithy-cli-engine.exe";
#else
  const std::string engine = OwnFolder(argv[0]) + "/glyphsmithy-cli-engine";
#endif
  std::vector<char*> args(argv, argv + argc);
  args[0] = const_cast<char*>(engine.c_str());
  args.push_back(nullptr);
#ifdef _WIN32
  return static_cast<int>(_spawnv(_P_WAIT, engine.c_str(), args.data()));
#else
  execv(engine.c_str(), args.data());
  std::fprintf(stderr, "glyphsmithy-cli: cannot start %s: %s\n", engine.c_str(),
               std::strerror(errno));
  return 3;
#endif
}
