// Test helper: installs the program's crash handler like the program does (report beside the
// executable) and then crashes: "segv" once, "twice" from two threads at the same moment.

#include <pthread.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <thread>

#include "platform/crash_handler.h"
#include "platform/folders.h"
#include "rules/app/program_files.h"

namespace {

// A store to a page without access: a real memory fault, which the sanitizers leave to the handler.
volatile int* g_forbidden = nullptr;

[[gnu::noinline]] void Crash() { *g_forbidden = 1; }

}  // namespace

int main(int argc, char** argv) {
  ylcs::InstallCrashHandler(ylcs::CrashReportPathFor(ylcs::ProgramPath()));
  g_forbidden =
      static_cast<volatile int*>(mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
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
