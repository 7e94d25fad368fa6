#include "tests/support/dialog.h"

#include <windows.h>

#include "tests/support/test_files.h"

namespace {

// The control id of a standard message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;

std::wstring Widen(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  const int size = MultiByteToWideChar(
      CP_UTF8, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  wide.resize(size > 0 ? size - 1 : 0);
  return wide;
}

std::string Narrow(const wchar_t* text) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), size, nullptr,
                      nullptr);
  narrow.resize(size > 0 ? size - 1 : 0);
  return narrow;
}

std::string WindowText(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return Narrow(text);
}

// The message box shows one of the system's shared icons; compare its image
// with each of them, since handles are not comparable across processes.
BOOL CALLBACK FindIconControl(HWND child, LPARAM param) {
  wchar_t class_name[64] = {};
  GetClassNameW(child, class_name, 64);
  if (lstrcmpiW(class_name, L"Static") == 0 &&
      (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    *reinterpret_cast<HWND*>(param) = child;
    return FALSE;
  }
  return TRUE;
}

// Icon handles cannot be compared across processes, so the icon shown is
// compared by its pixels on screen with each system icon drawn alike.
std::string IconKind(HWND box) {
  HWND icon_control = nullptr;
  EnumChildWindows(box, FindIconControl,
                   reinterpret_cast<LPARAM>(&icon_control));
  if (!icon_control)
    return std::string();
  const int size = GetSystemMetrics(SM_CXICON);
  RECT where = {};
  GetWindowRect(icon_control, &where);
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  auto grab = [&] {
    std::string bits(static_cast<size_t>(size) * size * 4, '\0');
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    GetDIBits(memory, bitmap, 0, size, bits.data(), &info, DIB_RGB_COLORS);
    return bits;
  };
  struct Kind {
    LPCWSTR id;
    const char* name;
  } const kinds[] = {{IDI_HAND, "error"},
                     {IDI_EXCLAMATION, "warning"},
                     {IDI_ASTERISK, "information"}};
  std::string result = "unknown";
  // The box may not have painted itself yet when it is first seen.
  for (int attempt = 0; attempt < 20 && result == "unknown"; ++attempt) {
    Sleep(100);
    BitBlt(memory, 0, 0, size, size, screen, where.left, where.top, SRCCOPY);
    const std::string shown = grab();
    const HBRUSH brush = CreateSolidBrush(GetPixel(memory, 0, 0));
    for (const Kind& kind : kinds) {
      const RECT all = {0, 0, size, size};
      FillRect(memory, &all, brush);
      DrawIconEx(memory, 0, 0, LoadIconW(nullptr, kind.id), size, size, 0,
                 nullptr, DI_NORMAL);
      if (grab() == shown) {
        result = kind.name;
        break;
      }
    }
    DeleteObject(brush);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return result;
}

BOOL CALLBACK CollectButton(HWND child, LPARAM param) {
  wchar_t class_name[64] = {};
  GetClassNameW(child, class_name, 64);
  if (lstrcmpiW(class_name, L"Button") == 0 && IsWindowVisible(child))
    reinterpret_cast<DialogInfo*>(param)->buttons.push_back(WindowText(child));
  return TRUE;
}

}  // namespace

bool ReadAndDismissDialog(const std::string& title,
                          std::chrono::milliseconds timeout,
                          DialogInfo* info) {
  const std::wstring wide_title = Widen(title);
  HWND box = nullptr;
  if (!WaitUntil(
          [&] {
            box = FindWindowW(L"#32770", wide_title.c_str());
            return box != nullptr && IsWindowVisible(box);
          },
          timeout)) {
    return false;
  }
  wchar_t text[2048] = {};
  GetDlgItemTextW(box, kMessageBoxTextId, text, 2048);
  info->text = Narrow(text);
  info->icon = IconKind(box);
  info->buttons.clear();
  EnumChildWindows(box, CollectButton, reinterpret_cast<LPARAM>(info));
  info->has_owner = GetWindow(box, GW_OWNER) != nullptr;
  info->topmost = (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  info->modal = (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) != 0;

  const HWND ok = GetDlgItem(box, IDOK);
  if (!ok)
    return false;
  PostMessageW(ok, BM_CLICK, 0, 0);
  return WaitUntil([&] { return !IsWindow(box); }, timeout);
}

bool TopLevelWindowExists(const std::string& title) {
  return FindWindowW(nullptr, Widen(title).c_str()) != nullptr;
}
