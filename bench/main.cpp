// bench.exe <output-folder> [--quick]            every figure into results.tsv and gaps.csv
// bench.exe <output-folder> --soak <seconds>     a long run at 0.01 s into soak.tsv
// clicker.exe and bare_window.exe are started from this program's own folder.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "bench/benchmark.h"
#include "bench/soak.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: bench.exe <output-folder> [--quick]\n"
               "       bench.exe <output-folder> --soak <seconds>\n");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring folder;
  bool quick = false;
  int soakSeconds = 0;
  for (int i = 1; i < argc; ++i) {
    const std::wstring argument = argv[i];
    if (argument == L"--quick") {
      quick = true;
    } else if (argument == L"--soak" && i + 1 < argc) {
      soakSeconds = static_cast<int>(std::wcstol(argv[++i], nullptr, 10));
      if (soakSeconds <= 0) {
        return usage();
      }
    } else if (folder.empty() && argument.rfind(L"--", 0) != 0) {
      folder = argument;
    } else {
      return usage();
    }
  }
  if (folder.empty()) {
    return usage();
  }
  CreateDirectoryW(folder.c_str(), nullptr);
  return soakSeconds > 0 ? bench::runSoak(folder, soakSeconds) : bench::runBenchmark(folder, quick);
}
