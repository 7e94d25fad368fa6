#include "tests/support/process_tree_linux.h"

#include <dirent.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace {

std::string ProcFile(pid_t pid, const char* name) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/" + name);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The fields of /proc/<pid>/stat after the command name, which may itself
// hold spaces and parentheses.
bool ReadParent(pid_t pid, pid_t* parent) {
  const std::string stat = ProcFile(pid, "stat");
  const size_t name_end = stat.rfind(')');
  if (name_end == std::string::npos)
    return false;
  std::istringstream fields(stat.substr(name_end + 1));
  std::string state;
  return static_cast<bool>(fields >> state >> *parent);
}

long StatusValue(const std::string& status, const std::string& key) {
  const size_t at = status.find("\n" + key + ":");
  if (at == std::string::npos)
    return 0;
  return std::strtol(status.c_str() + at + key.size() + 2, nullptr, 10);
}

int CountDescriptors(pid_t pid) {
  DIR* folder = opendir(("/proc/" + std::to_string(pid) + "/fd").c_str());
  if (!folder)
    return -1;
  int count = 0;
  while (const dirent* entry = readdir(folder))
    count += entry->d_name[0] != '.';
  closedir(folder);
  return count;
}

bool ReadProcess(pid_t pid, pid_t parent, ProcessInfo* info) {
  const std::string status = ProcFile(pid, "status");
  if (status.empty())
    return false;
  info->pid = pid;
  info->parent = parent;
  info->command_line = ProcFile(pid, "cmdline");
  for (char& c : info->command_line) {
    if (c == '\0')
      c = ' ';
  }
  info->rss_kib = StatusValue(status, "VmRSS");
  info->threads = static_cast<int>(StatusValue(status, "Threads"));
  info->descriptors = CountDescriptors(pid);
  return true;
}

}  // namespace

std::vector<ProcessInfo> ReadProcessTree(pid_t root) {
  std::multimap<pid_t, pid_t> children;
  if (DIR* proc = opendir("/proc")) {
    while (const dirent* entry = readdir(proc)) {
      char* end = nullptr;
      const long pid = std::strtol(entry->d_name, &end, 10);
      pid_t parent = 0;
      if (*end == '\0' && pid > 0 && ReadParent(pid, &parent))
        children.emplace(parent, static_cast<pid_t>(pid));
    }
    closedir(proc);
  }
  std::vector<ProcessInfo> tree;
  std::vector<std::pair<pid_t, pid_t>> pending = {{root, 0}};
  while (!pending.empty()) {
    const auto [pid, parent] = pending.back();
    pending.pop_back();
    ProcessInfo info;
    if (!ReadProcess(pid, parent, &info))
      continue;
    tree.push_back(info);
    const auto range = children.equal_range(pid);
    for (auto it = range.first; it != range.second; ++it)
      pending.emplace_back(it->second, pid);
  }
  return tree;
}
