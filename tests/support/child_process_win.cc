#include "tests/support/child_process.h"

#include <windows.h>

namespace {

std::wstring Widen(const std::string& text) {
  if (text.empty())
    return std::wstring();
  const int size = MultiByteToWideChar(
      CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                      wide.data(), size);
  return wide;
}

std::wstring Quote(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos)
    return arg;
  std::wstring quoted = L"\"";
  for (wchar_t c : arg) {
    if (c == L'"')
      quoted += L'\\';
    quoted += c;
  }
  return quoted + L"\"";
}

}  // namespace

ChildProcess::ChildProcess(const Options& options) {
  std::map<std::wstring, std::optional<std::wstring>> env;
  wchar_t* strings = GetEnvironmentStringsW();
  for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) {
    const std::wstring text = entry;
    const size_t equals = text.find(L'=', 1);
    if (equals != std::wstring::npos)
      env[text.substr(0, equals)] = text.substr(equals + 1);
  }
  FreeEnvironmentStringsW(strings);
  for (const auto& [name, value] : options.environment) {
    env[Widen(name)] =
        value ? std::optional<std::wstring>(Widen(*value)) : std::nullopt;
  }
  std::wstring block;
  for (const auto& [name, value] : env) {
    if (value)
      block += name + L"=" + *value + L'\0';
  }
  block += L'\0';

  std::wstring command_line = Quote(options.program.wstring());
  for (const std::string& arg : options.args)
    command_line += L" " + Quote(Widen(arg));

  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  const std::wstring dir = options.working_dir.wstring();
  started_ =
      CreateProcessW(options.program.wstring().c_str(), command_line.data(),
                     nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                     block.data(), dir.empty() ? nullptr : dir.c_str(),
                     &startup, &info) != 0;
  if (started_) {
    CloseHandle(info.hThread);
    handle_ = reinterpret_cast<std::intptr_t>(info.hProcess);
  }
}

ChildProcess::~ChildProcess() {
  Kill();
  if (started_)
    CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

bool ChildProcess::Wait(std::chrono::milliseconds timeout, int* exit_code) {
  if (!started_ || exited_)
    return exited_;
  const HANDLE process = reinterpret_cast<HANDLE>(handle_);
  if (WaitForSingleObject(process, static_cast<DWORD>(timeout.count())) !=
      WAIT_OBJECT_0) {
    return false;
  }
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  *exit_code = static_cast<int>(code);
  exited_ = true;
  return true;
}

void ChildProcess::Kill() {
  if (!started_ || exited_)
    return;
  const HANDLE process = reinterpret_cast<HANDLE>(handle_);
  TerminateProcess(process, 137);
  WaitForSingleObject(process, INFINITE);
  exited_ = true;
}
