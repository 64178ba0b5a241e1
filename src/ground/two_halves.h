#pragma once
// Work over a range of items split in two, the second half on a thread of its own: the machines
// this runs on have two cores or more, and reading or preparing a language's pages is work that
// halves cleanly.

#include <system_error>
#include <thread>

namespace orvelis {

// Calls work(first, middle) and work(middle + 1, last) at once and returns when both are done.
// Where no thread can be started, the halves run one after the other.
template <typename Work>
void InTwoHalves(int first, int last, const Work& work) {
  const int middle = first + (last - first) / 2;
  std::thread second;
  try {
    second = std::thread([&] { work(middle + 1, last); });
  } catch (const std::system_error&) {
    work(middle + 1, last);
  }
  work(first, middle);
  if (second.joinable()) second.join();
}

}  // namespace orvelis
