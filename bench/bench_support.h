#pragma once
// Shared pieces of the benchmarks: the sample book's path and the process's peak memory.

#include <fstream>
#include <string>

namespace orvelis::bench {

inline const char* SampleBookPath() { return ORVELIS_SAMPLE_BOOK; }

// Peak resident memory of this process in MiB (VmHWM), or -1 where /proc is missing.
inline double PeakResidentMiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return -1;
}

}  // namespace orvelis::bench
