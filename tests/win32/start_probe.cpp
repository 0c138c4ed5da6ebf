// Checks an installed numoria.exe from outside, as a user's system sees it:
// its version information and icon, then starts it, waits for its window
// "Numoria" with the amount box, closes it and expects a clean exit.
//   start_probe <path of numoria.exe>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool Fail(const char* what) {
  std::printf("FAIL: %s\n", what);
  return false;
}

std::wstring VersionString(const std::vector<char>& info, const wchar_t* name) {
  wchar_t* value = nullptr;
  UINT size = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
  if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &size))
    return {};
  return value;
}

bool CheckVersion(const wchar_t* exe) {
  const DWORD size = GetFileVersionInfoSizeW(exe, nullptr);
  std::vector<char> info(size);
  if (size == 0 || !GetFileVersionInfoW(exe, 0, size, info.data()))
    return Fail("no version information");
  DWORD* translation = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translation), &length) ||
      length < 4 || LOWORD(*translation) != 0x0804 || HIWORD(*translation) != 0x04b0) {
    return Fail("translation is not 0804/04b0");
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  if (!VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) ||
      fixed->dwFileVersionMS != 0x00010000 || fixed->dwFileVersionLS != 0 ||
      fixed->dwProductVersionMS != 0x00010000 || fixed->dwProductVersionLS != 0) {
    return Fail("fixed versions are not 1.0.0.0");
  }
  for (const wchar_t* name : {L"ProductName", L"InternalName"}) {
    if (VersionString(info, name) != L"Numoria") return Fail("product or internal name");
  }
  for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
    if (VersionString(info, name) != L"1.00") return Fail("file or product version text");
  }
  const HMODULE image = LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const bool icon = image != nullptr && LoadIconW(image, MAKEINTRESOURCEW(1)) != nullptr;
  if (image != nullptr) FreeLibrary(image);
  return icon || Fail("no icon");
}

struct Search {
  DWORD process;
  HWND found;
};

HWND WindowOf(DWORD process) {
  Search search{process, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t title[32]{};
        GetWindowTextW(window, title, 32);
        if (owner != s.process || std::wstring(title) != L"Numoria" || !IsWindowVisible(window)) {
          return TRUE;
        }
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool RunAndClose(const wchar_t* exe) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring command = std::wstring(L"\"") + exe + L"\"";
  if (!CreateProcessW(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return Fail("the program does not start");
  }
  // Idle once its message loop waits for input, the window made and shown.
  WaitForInputIdle(process.hProcess, 10000);
  HWND window = nullptr;
  for (int tries = 0; tries < 200 && window == nullptr; ++tries) {
    Sleep(50);
    window = WindowOf(process.dwProcessId);
  }
  bool ok = window != nullptr || Fail("no window titled Numoria");
  if (ok && GetDlgItem(GetDlgItem(window, 100 + 37), 100 + 40) == nullptr)
    ok = Fail("no amount box");
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 1;
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    ok = Fail("the program does not end when closed");
  } else if (GetExitCodeProcess(process.hProcess, &code) && code != 0) {
    ok = Fail("the program ends with an error");
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return Fail("usage: start_probe <numoria.exe>") ? 0 : 2;
  const bool ok = CheckVersion(argv[1]) && RunAndClose(argv[1]);
  std::printf(ok ? "ok\n" : "");
  return ok ? 0 : 1;
}
