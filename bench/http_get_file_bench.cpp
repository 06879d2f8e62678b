// Downloads one URL into a file with the launcher's file transfer (HttpGetFile, the chunk size
// of the game client download, a progress receiver as a dialog would give) and prints the
// seconds it took. Usage: http_get_file_bench URL FILE [CHUNK]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/http.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s URL FILE [CHUNK]\n", argv[0]);
    return 2;
  }
  ylcs::FileFetch fetch;
  fetch.chunk_size = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1024;
  int percent_seen = -1;
  fetch.progress = [&percent_seen](int percent) { percent_seen = percent; };

  const auto start = std::chrono::steady_clock::now();
  const bool complete = ylcs::HttpGetFile(argv[1], argv[2], fetch);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  if (!complete || percent_seen != 100) {
    std::fprintf(stderr, "download failed\n");
    return 1;
  }
  std::printf("%.3f\n", took.count());
  return 0;
}
