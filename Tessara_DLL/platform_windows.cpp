// Windows glue of Tessara.dll: the load-time entry that chooses the list
// separator from the user default locale, and the self-registration of the
// library's class under HKEY_CLASSES_ROOT.
#include <windows.h>

#include "export_frame.h"
#include "list_separator.h"

namespace {
constexpr wchar_t kClassKey[] = L"CLSID\\{6D1F0C3A-94B2-4E57-A1C8-2F7E0B93D415}";
constexpr wchar_t kServerKey[] = L"CLSID\\{6D1F0C3A-94B2-4E57-A1C8-2F7E0B93D415}\\InprocServer32";
constexpr wchar_t kServerName[] = L"Tessara Server";

bool CreateClassKey(HKEY parent, const wchar_t* path, HKEY* key) {
  DWORD disposition = 0;
  return RegCreateKeyExW(parent, path, 0, const_cast<wchar_t*>(L""), REG_OPTION_NON_VOLATILE,
                         KEY_ALL_ACCESS, nullptr, key, &disposition) == ERROR_SUCCESS;
}

bool SetDefaultString(HKEY key, const wchar_t* text, DWORD characters) {
  const DWORD bytes = (characters + 1) * sizeof(wchar_t);
  return RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), bytes) ==
         ERROR_SUCCESS;
}

// The full path of this library, found by its file name as the registration
// requires: a copy under another name does not register.
DWORD OwnModulePath(wchar_t* path, DWORD capacity) {
  HMODULE module = GetModuleHandleW(L"Tessara.dll");
  if (module == nullptr) return 0;
  const DWORD length = GetModuleFileNameW(module, path, capacity);
  return length < capacity ? length : 0;
}
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    ChooseListSeparator(PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())));
  }
  return TRUE;
}

extern "C" HRESULT TESSARA_CALL DllRegisterServer() {
  HKEY class_key = nullptr;
  HKEY server_key = nullptr;
  bool ok = CreateClassKey(HKEY_CLASSES_ROOT, kClassKey, &class_key) &&
            SetDefaultString(class_key, kServerName, lstrlenW(kServerName)) &&
            CreateClassKey(class_key, L"InprocServer32", &server_key);
  if (ok) {
    wchar_t path[MAX_PATH];
    const DWORD length = OwnModulePath(path, MAX_PATH);
    ok = length > 0 && SetDefaultString(server_key, path, length);
  }
  if (server_key != nullptr) RegCloseKey(server_key);
  if (class_key != nullptr) RegCloseKey(class_key);
  return ok ? S_OK : E_UNEXPECTED;
}

extern "C" HRESULT TESSARA_CALL DllUnregisterServer() {
  if (RegDeleteKeyW(HKEY_CLASSES_ROOT, kServerKey) != ERROR_SUCCESS) return E_UNEXPECTED;
  if (RegDeleteKeyW(HKEY_CLASSES_ROOT, kClassKey) != ERROR_SUCCESS) return E_UNEXPECTED;
  return S_OK;
}
