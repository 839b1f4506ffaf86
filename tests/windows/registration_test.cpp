// Tessara.dll as a Windows caller sees it: both export names of each
// calculation, and the self-registration against the registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dynamic_library.h"

namespace {
using RegistrationEntry = HRESULT(__stdcall*)();

constexpr wchar_t kClassKey[] = L"CLSID\\{6D1F0C3A-94B2-4E57-A1C8-2F7E0B93D415}";
constexpr wchar_t kServerKey[] = L"CLSID\\{6D1F0C3A-94B2-4E57-A1C8-2F7E0B93D415}\\InprocServer32";

struct ExportName {
  std::string plain;
  int bytes;
};

std::vector<ExportName> ListedExports() {
  std::ifstream list(TESSARA_EXPORTS_LIST);
  std::vector<ExportName> names;
  std::string line;
  while (std::getline(list, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    ExportName name;
    fields >> name.plain >> name.bytes;
    names.push_back(name);
  }
  return names;
}

std::wstring DefaultValue(const wchar_t* path) {
  wchar_t value[MAX_PATH] = {};
  DWORD bytes = sizeof(value);
  DWORD type = 0;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return L"<absent>";
  const LONG status =
      RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &bytes);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || type != REG_SZ) return L"<unreadable>";
  return value;
}

RegistrationEntry Entry(const DynamicLibrary& library, const char* name) {
  return reinterpret_cast<RegistrationEntry>(library.Find(name));
}

TEST(ExportTable, EveryCalculationHasItsPlainAndDecoratedName) {
  const std::vector<ExportName> names = ListedExports();
  ASSERT_FALSE(names.empty());
  for (const ExportName& name : names) {
    const std::string decorated = "_" + name.plain + "@" + std::to_string(name.bytes);
    void* plain = TessaraLibrary().Find(name.plain.c_str());
    EXPECT_NE(plain, nullptr) << name.plain;
    EXPECT_EQ(TessaraLibrary().Find(decorated.c_str()), plain) << decorated;
  }
}

TEST(ExportTable, RegistrationIsExportedUnderDecoratedNamesOnly) {
  EXPECT_NE(Entry(TessaraLibrary(), "_DllRegisterServer@0"), nullptr);
  EXPECT_NE(Entry(TessaraLibrary(), "_DllUnregisterServer@0"), nullptr);
  EXPECT_EQ(Entry(TessaraLibrary(), "DllRegisterServer"), nullptr);
  EXPECT_EQ(Entry(TessaraLibrary(), "DllUnregisterServer"), nullptr);
}

TEST(Registration, RegistersTheClassWithTheLibraryPathAndRemovesIt) {
  const RegistrationEntry do_register = Entry(TessaraLibrary(), "_DllRegisterServer@0");
  const RegistrationEntry do_unregister = Entry(TessaraLibrary(), "_DllUnregisterServer@0");
  ASSERT_NE(do_register, nullptr);
  ASSERT_NE(do_unregister, nullptr);

  // Absent keys: nothing to remove.
  EXPECT_EQ(do_unregister(), E_UNEXPECTED);

  ASSERT_EQ(do_register(), S_OK);
  EXPECT_EQ(DefaultValue(kClassKey), L"Tessara Server");
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(GetModuleHandleW(L"Tessara.dll"), path, MAX_PATH);
  EXPECT_EQ(DefaultValue(kServerKey), path);
  // Registering again opens the existing keys.
  EXPECT_EQ(do_register(), S_OK);

  EXPECT_EQ(do_unregister(), S_OK);
  EXPECT_EQ(DefaultValue(kServerKey), L"<absent>");
  EXPECT_EQ(DefaultValue(kClassKey), L"<absent>");
  EXPECT_EQ(do_unregister(), E_UNEXPECTED);
}

TEST(Registration, UnregisterKeepsTheClassKeyWhenItsServerKeyIsMissing) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, kClassKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(Entry(TessaraLibrary(), "_DllUnregisterServer@0")(), E_UNEXPECTED);
  EXPECT_NE(DefaultValue(kClassKey), L"<absent>");
  RegDeleteKeyW(HKEY_CLASSES_ROOT, kClassKey);
}

// Run by ctest in a process of its own, where Tessara.dll itself is not
// loaded: the module is looked up by the name "Tessara.dll".
TEST(RenamedCopy, DoesNotRegister) {
  wchar_t original[MAX_PATH];
  GetModuleFileNameW(nullptr, original, MAX_PATH);
  std::wstring directory(original);
  directory.resize(directory.find_last_of(L"\\/") + 1);
  const std::wstring copy = directory + L"TessaraCopy.dll";
  ASSERT_TRUE(CopyFileW((directory + L"Tessara.dll").c_str(), copy.c_str(), FALSE));
  {
    ASSERT_EQ(GetModuleHandleW(L"Tessara.dll"), nullptr);
    HMODULE module = LoadLibraryW(copy.c_str());
    ASSERT_NE(module, nullptr);
    auto do_register = reinterpret_cast<RegistrationEntry>(
        reinterpret_cast<void*>(GetProcAddress(module, "_DllRegisterServer@0")));
    ASSERT_NE(do_register, nullptr);
    EXPECT_EQ(do_register(), E_UNEXPECTED);
    // The class key and its name were written before the module lookup.
    EXPECT_EQ(DefaultValue(kClassKey), L"Tessara Server");
    EXPECT_EQ(DefaultValue(kServerKey), L"<unreadable>");  // key without a value
    FreeLibrary(module);
  }
  DeleteFileW(copy.c_str());
}
}  // namespace
