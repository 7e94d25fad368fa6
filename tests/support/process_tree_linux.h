#ifndef TESTS_SUPPORT_PROCESS_TREE_LINUX_H_
#define TESTS_SUPPORT_PROCESS_TREE_LINUX_H_

#include <sys/types.h>

#include <string>
#include <vector>

// One process of a tree as /proc shows it at one moment.
struct ProcessInfo {
  pid_t pid = 0;
  pid_t parent = 0;
  // The arguments, separated by spaces.
  std::string command_line;
  long rss_kib = 0;
  int threads = 0;
  // Open descriptors; -1 where they cannot be counted.
  int descriptors = -1;
};

// |root| and every process descended from it, root first; empty when root
// is gone. Processes that end while they are read are left out.
std::vector<ProcessInfo> ReadProcessTree(pid_t root);

#endif  // TESTS_SUPPORT_PROCESS_TREE_LINUX_H_
