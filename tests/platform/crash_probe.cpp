// Test helper: installs the program's crash handler like the program does (report beside the
// executable) and then crashes: "segv" once, "twice" from two threads at the same moment.

#include <pthread.h>
#include <unistd.h>

#include <cstring>
#include <thread>

#include "platform/crash_handler.h"
#include "platform/folders.h"
#include "rules/app/program_files.h"

namespace {

[[gnu::noinline]] void Crash() {
  volatile int* null_pointer = nullptr;
  *null_pointer = 1;
}

}  // namespace

int main(int argc, char** argv) {
  ylcs::InstallCrashHandler(ylcs::CrashReportPathFor(ylcs::ProgramPath()));
  const char* how = argc > 1 ? argv[1] : "segv";
  if (std::strcmp(how, "twice") == 0) {
    pthread_barrier_t barrier;
    pthread_barrier_init(&barrier, nullptr, 2);
    std::thread other([&] {
      pthread_barrier_wait(&barrier);
      Crash();
    });
    pthread_barrier_wait(&barrier);
    Crash();
    other.join();
  }
  if (std::strcmp(how, "abort") == 0) abort();
  Crash();
  return 0;
}
