// CefCommandLine, parsed the way Chromium parses a POSIX command line.

#ifndef QTCEF_SRC_PROCESS_COMMAND_LINE_IMPL_H_
#define QTCEF_SRC_PROCESS_COMMAND_LINE_IMPL_H_

#include <map>
#include <string>
#include <vector>

#include "include/cef_command_line.h"

namespace qtcef {

class CommandLineImpl : public CefCommandLine {
 public:
  CommandLineImpl();

  // The process's command line, which CefGetGlobalCommandLine hands out.
  static CefRefPtr<CommandLineImpl> Global();

  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  // Switch names mapped to their values, in UTF-8.
  const std::map<std::string, std::string>& switches() const {
    return switches_;
  }

  bool IsValid() override { return true; }
  bool IsReadOnly() override { return read_only_; }
  CefRefPtr<CefCommandLine> Copy() override;
  void InitFromArgv(int argc, const char* const* argv) override;
  void InitFromString(const CefString& command_line) override;
  void Reset() override;
  void GetArgv(std::vector<CefString>& argv) override {
    argv.assign(argv_.begin(), argv_.end());
  }
  CefString GetCommandLineString() override;
  CefString GetProgram() override { return argv_[0]; }
  void SetProgram(const CefString& program) override;
  bool HasSwitches() override { return !switches_.empty(); }
  bool HasSwitch(const CefString& name) override {
    return switches_.count(name.ToString()) != 0;
  }
  CefString GetSwitchValue(const CefString& name) override;
  void GetSwitches(SwitchMap& switches) override;
  void AppendSwitch(const CefString& name) override;
  void AppendSwitchWithValue(const CefString& name,
                             const CefString& value) override;
  bool HasArguments() override { return argv_.size() > begin_args_; }
  void GetArguments(ArgumentList& arguments) override {
    arguments.assign(argv_.begin() + begin_args_, argv_.end());
  }
  void AppendArgument(const CefString& argument) override;
  void PrependWrapper(const CefString& wrapper) override;

 private:
  void InitFromStrings(const std::vector<std::string>& argv);
  void AddSwitch(const std::string& name, const std::string& value);

  // As in Chromium: the program, then the switches, then from |begin_args_|
  // the arguments.
  std::vector<std::string> argv_;
  size_t begin_args_;
  std::map<std::string, std::string> switches_;
  bool read_only_;

  IMPLEMENT_REFCOUNTING(CommandLineImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_PROCESS_COMMAND_LINE_IMPL_H_
