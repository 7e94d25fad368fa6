#include "qtcef/src/process/command_line_impl.h"

#include <sstream>

namespace qtcef {

namespace {

// Splits "--name=value" or "-name" into its name and value; false for an
// argument that is not a switch.
bool ParseSwitch(const std::string& arg,
                 std::string* name,
                 std::string* value) {
  size_t prefix = arg.compare(0, 2, "--") == 0 ? 2 : (arg[0] == '-' ? 1 : 0);
  if (prefix == 0 || arg.size() == prefix)
    return false;
  const size_t equals = arg.find('=', prefix);
  *name = arg.substr(prefix, equals - prefix);
  *value = equals == std::string::npos ? std::string() : arg.substr(equals + 1);
  return !name->empty();
}

}  // namespace

CommandLineImpl::CommandLineImpl()
    : argv_(1), begin_args_(1), read_only_(false) {}

CefRefPtr<CommandLineImpl> CommandLineImpl::Global() {
  static CefRefPtr<CommandLineImpl> global = [] {
    CefRefPtr<CommandLineImpl> command_line = new CommandLineImpl();
    command_line->SetReadOnly(true);
    return command_line;
  }();
  return global;
}

CefRefPtr<CefCommandLine> CommandLineImpl::Copy() {
  CefRefPtr<CommandLineImpl> copy = new CommandLineImpl();
  copy->argv_ = argv_;
  copy->begin_args_ = begin_args_;
  copy->switches_ = switches_;
  return copy;
}

void CommandLineImpl::InitFromArgv(int argc, const char* const* argv) {
  std::vector<std::string> strings;
  for (int i = 0; argv && i < argc; ++i)
    strings.push_back(argv[i] ? argv[i] : "");
  InitFromStrings(strings);
}

void CommandLineImpl::InitFromString(const CefString& command_line) {
  std::istringstream stream(command_line.ToString());
  std::vector<std::string> strings;
  for (std::string word; stream >> word;)
    strings.push_back(word);
  InitFromStrings(strings);
}

void CommandLineImpl::InitFromStrings(const std::vector<std::string>& argv) {
  if (read_only_)
    return;
  argv_.assign(1, argv.empty() ? std::string() : argv[0]);
  begin_args_ = 1;
  switches_.clear();
  // Chromium stops reading switches at "--" and keeps it as an argument.
  bool parse_switches = true;
  for (size_t i = 1; i < argv.size(); ++i) {
    parse_switches = parse_switches && argv[i] != "--";
    std::string name, value;
    if (parse_switches && ParseSwitch(argv[i], &name, &value))
      AddSwitch(name, value);
    else
      argv_.push_back(argv[i]);
  }
}

void CommandLineImpl::Reset() {
  if (read_only_)
    return;
  argv_.resize(1);
  begin_args_ = 1;
  switches_.clear();
}

CefString CommandLineImpl::GetCommandLineString() {
  std::string joined;
  for (const std::string& arg : argv_)
    joined += (joined.empty() ? "" : " ") + arg;
  return joined;
}

void CommandLineImpl::SetProgram(const CefString& program) {
  if (!read_only_)
    argv_[0] = program.ToString();
}

CefString CommandLineImpl::GetSwitchValue(const CefString& name) {
  auto it = switches_.find(name.ToString());
  return it == switches_.end() ? CefString() : CefString(it->second);
}

void CommandLineImpl::GetSwitches(SwitchMap& switches) {
  switches.clear();
  for (const auto& entry : switches_)
    switches[entry.first] = entry.second;
}

void CommandLineImpl::AppendSwitch(const CefString& name) {
  if (!read_only_)
    AddSwitch(name.ToString(), std::string());
}

void CommandLineImpl::AppendSwitchWithValue(const CefString& name,
                                            const CefString& value) {
  if (!read_only_)
    AddSwitch(name.ToString(), value.ToString());
}

void CommandLineImpl::AddSwitch(const std::string& name,
                                const std::string& value) {
  // As Chromium's command line: a "--" or "-" the caller gave stays in
  // argv, and the switch is known by its name without it.
  const size_t prefix =
      name.rfind("--", 0) == 0 ? 2 : (name.rfind('-', 0) == 0 ? 1 : 0);
  switches_[name.substr(prefix)] = value;
  const std::string arg =
      (prefix ? "" : "--") + name + (value.empty() ? "" : "=" + value);
  argv_.insert(argv_.begin() + begin_args_++, arg);
}

void CommandLineImpl::AppendArgument(const CefString& argument) {
  if (!read_only_)
    argv_.push_back(argument.ToString());
}

void CommandLineImpl::PrependWrapper(const CefString& wrapper) {
  if (read_only_)
    return;
  std::istringstream stream(wrapper.ToString());
  std::vector<std::string> words;
  for (std::string word; stream >> word;)
    words.push_back(word);
  argv_.insert(argv_.begin(), words.begin(), words.end());
  begin_args_ += words.size();
}

}  // namespace qtcef

CefRefPtr<CefCommandLine> CefCommandLine::CreateCommandLine() {
  return new qtcef::CommandLineImpl();
}

CefRefPtr<CefCommandLine> CefCommandLine::GetGlobalCommandLine() {
  return qtcef::CommandLineImpl::Global();
}
