// Stands in for the client when the launcher is timed: prints the
// monotonic clock, which every process of the machine shares, as soon as it
// runs: "probe <seconds>".
#include <time.h>

#include <cstdio>

int main() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("probe %lld.%09ld\n", static_cast<long long>(now.tv_sec),
              now.tv_nsec);
  return 0;
}
