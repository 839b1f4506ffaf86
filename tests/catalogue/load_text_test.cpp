// The load-text operation on the compiled string tables, in the three
// languages: each text is found at StringId + LanguageOffset whatever the
// thread's language, is cut to the capacity, and a missing one is empty.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "catalogue.h"
#include "string_ids.h"

namespace {

constexpr int kLanguageOffsets[] = {kLanguageOffsetEnglish, kLanguageOffsetSpanish,
                                    kLanguageOffsetThai};

// The StringIds of the catalogue, by range.
std::vector<int> CatalogueStringIds() {
  std::vector<int> ids;
  for (const auto& range : kCatalogueRanges)
    for (int id = range[0]; id <= range[1]; ++id) ids.push_back(id);
  return ids;
}

class LoadTextTest : public ::testing::Test {
 protected:
  void TearDown() override { SetLanguageOffset(kLanguageOffsetEnglish); }

  static std::wstring Load(int string_id, int capacity = kLongTextCapacity) {
    std::vector<wchar_t> buffer(capacity + 1, L'x');
    LoadText(string_id, buffer.data(), capacity);
    return buffer.data();
  }
};

struct SampleText {
  int language_offset;
  int string_id;
  const wchar_t* text;
};

// English texts are the program's own, odd spellings and spaces included.
const SampleText kSamples[] = {
    {kLanguageOffsetEnglish, 11001, L"Compare Two Prevalences - Magnitute of Difference"},
    {kLanguageOffsetEnglish, 11017, L"Tessara - Main"},
    {kLanguageOffsetEnglish, 11021, L"Acceptable relative error "},
    {kLanguageOffsetEnglish, 11036, L"Population\n\rsize"},
    {kLanguageOffsetEnglish, 11110, L"True  prevalence"},
    {kLanguageOffsetEnglish, 11123,
     L"One test: use Test 1\r\nTwo tests: define both and their interpretation"},
    {kLanguageOffsetEnglish, 11141,
     L"Analysing {1} samples with a diagnostic method having a specificity of {2}, their "
     L"will be up to:"},
    {kLanguageOffsetEnglish, 12000, L"An unknown error occured."},
    {kLanguageOffsetEnglish, 12004, L"The value for the 'Confidence Level' in invalid."},
    {kLanguageOffsetEnglish, 12018, L"The selected file must contain a lest two valid records."},
    {kLanguageOffsetEnglish, 12030, L" The value for 'Average' is invalid."},
    {kLanguageOffsetEnglish, 13001,
     L"The purpose of Tessara is to assist users in the design of samplings in animal "
     L"populations."},
    {kLanguageOffsetSpanish, 11001, L"Comparar dos prevalencias - Magnitud de la diferencia"},
    {kLanguageOffsetSpanish, 11024, L"&Calcular"},
    {kLanguageOffsetSpanish, 11025, L"Ay&uda"},
    {kLanguageOffsetSpanish, 11036, L"Tamaño de\n\rla población"},
    {kLanguageOffsetSpanish, 11101, L"Sí"},
    {kLanguageOffsetSpanish, 11140, L"(para un error tipo II de {1})"},
    {kLanguageOffsetSpanish, 12011,
     L"El tamaño muestral no puede ser mayor que el tamaño de la población."},
    {kLanguageOffsetSpanish, 13008, L"Acerca de"},
    {kLanguageOffsetThai, 11001, L"เปรียบเทียบความชุกสองค่า - ขนาดของความแตกต่าง"},
    {kLanguageOffsetThai, 11024, L"คำนวณ (&R)"},
    {kLanguageOffsetThai, 11036, L"ขนาด\n\rประชากร"},
    {kLanguageOffsetThai, 11208, L"ค่าของ 'ระดับความเชื่อมั่น' ต้องอยู่ระหว่าง 0 ถึง 1"},
    {kLanguageOffsetThai, 12046, L"ไม่พบไฟล์ที่เลือก"},
    {kLanguageOffsetThai, 12047, L"ผลรวมของขนาดในไฟล์น้อยกว่าจำนวนหน่วยที่เลือก"},
    {kLanguageOffsetSpanish, 12047,
     L"El total de los tamaños del archivo es menor que el número de unidades seleccionadas."},
    {kLanguageOffsetThai, 13008, L"เกี่ยวกับ"},
};

TEST_F(LoadTextTest, FindsEachSampleTextAtItsStringIdPlusTheOffset) {
  for (const SampleText& sample : kSamples) {
    SetLanguageOffset(sample.language_offset);
    EXPECT_EQ(Load(sample.string_id), sample.text)
        << "StringId " << sample.string_id << " with offset " << sample.language_offset;
  }
}

TEST_F(LoadTextTest, TitleOfFormKindZeroComesFromTheOffsetRange) {
  // The Spanish title lies at 13501 and the Thai one at 16001.
  SetLanguageOffset(kLanguageOffsetEnglish);
  EXPECT_EQ(Load(13501), L"Comparar dos prevalencias - Magnitud de la diferencia");
  EXPECT_EQ(Load(16001), L"เปรียบเทียบความชุกสองค่า - ขนาดของความแตกต่าง");
}

TEST_F(LoadTextTest, WindowTitleAndClassNamesAreTheSameInEveryLanguage) {
  for (int offset : kLanguageOffsets) {
    SetLanguageOffset(offset);
    EXPECT_EQ(Load(IDS_WINDOW_TITLE), L"Tessara");
    EXPECT_EQ(Load(IDS_FRAME_CLASS), L"TESSARA");
    EXPECT_EQ(Load(IDS_CHILD_CLASS), L"TESSARACHILD");
  }
}

TEST_F(LoadTextTest, EveryStringIdHasATextInEveryLanguage) {
  for (int offset : kLanguageOffsets) {
    SetLanguageOffset(offset);
    for (int string_id : CatalogueStringIds())
      EXPECT_FALSE(Load(string_id).empty()) << "StringId " << string_id << " offset " << offset;
  }
  EXPECT_EQ(CatalogueStringIds().size(), 248u);
}

TEST_F(LoadTextTest, TranslationsDifferFromTheEnglishText) {
  // A sample of texts that no translation can share with the English one.
  for (int string_id : {11001, 11024, 11032, 11208, 11998, 12000, 13008}) {
    SetLanguageOffset(kLanguageOffsetEnglish);
    const std::wstring english = Load(string_id);
    for (int offset : {kLanguageOffsetSpanish, kLanguageOffsetThai}) {
      SetLanguageOffset(offset);
      EXPECT_NE(Load(string_id), english) << "StringId " << string_id << " offset " << offset;
    }
  }
}

TEST_F(LoadTextTest, MissingTextGivesAnEmptyBuffer) {
  // 11047 and 11094 are gaps of the catalogue, 10100 and 13009 lie beside
  // it in blocks that hold texts, 10000 and 20000 in blocks that do not exist.
  for (int offset : kLanguageOffsets) {
    SetLanguageOffset(offset);
    for (int string_id : {11047, 11094, 10100, 13009, 10000, 20000})
      EXPECT_EQ(Load(string_id), L"") << "StringId " << string_id << " offset " << offset;
  }
}

TEST_F(LoadTextTest, NumbersBeyondTheResourceRangeDoNotWrapOntoOtherTexts) {
  // The loader keeps only the low 16 bits of a number: 10103 + 65536
  // would otherwise load "Tessara".
  EXPECT_EQ(Load(IDS_WINDOW_TITLE + 0x10000), L"");
  EXPECT_EQ(Load(-1), L"");
  SetLanguageOffset(kLanguageOffsetThai);
  EXPECT_EQ(Load(0xFFFF - kLanguageOffsetThai + 1), L"");
}

TEST_F(LoadTextTest, LongTextIsCutToCapacityLessOne) {
  // The explanation of the input file is longer than a label buffer.
  for (int offset : kLanguageOffsets) {
    SetLanguageOffset(offset);
    const std::wstring whole = Load(11158, kLongTextCapacity);
    ASSERT_GT(whole.size(), 254u) << "offset " << offset;
    const std::wstring cut = Load(11158, kShortTextCapacity);
    EXPECT_EQ(cut.size(), 254u) << "offset " << offset;
    EXPECT_EQ(cut, whole.substr(0, 254)) << "offset " << offset;
  }
}

TEST_F(LoadTextTest, SmallCapacitiesKeepRoomForTheTerminatingZero) {
  EXPECT_EQ(Load(11001, 5), L"Comp");
  EXPECT_EQ(Load(11001, 2), L"C");
  EXPECT_EQ(Load(11001, 1), L"");
}

TEST_F(LoadTextTest, NoCapacityOrNoBufferWritesNothing) {
  wchar_t buffer[4] = {L'a', L'b', L'c', L'\0'};
  LoadText(11001, buffer, 0);
  EXPECT_STREQ(buffer, L"abc");
  LoadText(11001, buffer, -3);
  EXPECT_STREQ(buffer, L"abc");
  LoadText(11001, nullptr, 255);  // must not crash
}

TEST_F(LoadTextTest, TheThreadLanguagePlaysNoPart) {
  const LCID saved = GetThreadLocale();
  const LANGID spanish = MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN);
  SetThreadLocale(MAKELCID(spanish, SORT_DEFAULT));
  SetThreadUILanguage(spanish);
  const std::wstring english = Load(11001);
  SetLanguageOffset(kLanguageOffsetThai);
  const std::wstring thai = Load(11001);
  SetThreadLocale(saved);
  SetThreadUILanguage(LANGIDFROMLCID(saved));
  EXPECT_EQ(english, L"Compare Two Prevalences - Magnitute of Difference");
  EXPECT_EQ(thai, L"เปรียบเทียบความชุกสองค่า - ขนาดของความแตกต่าง");
}

TEST_F(LoadTextTest, OffsetIsKeptUntilChanged) {
  EXPECT_EQ(GetLanguageOffset(), kLanguageOffsetEnglish);
  SetLanguageOffset(kLanguageOffsetSpanish);
  EXPECT_EQ(GetLanguageOffset(), kLanguageOffsetSpanish);
  EXPECT_EQ(Load(IDS_ABOUT_CAPTION), L"Acerca de");
}

// Collects the language tags of one string block.
BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
  reinterpret_cast<std::vector<WORD>*>(found)->push_back(language);
  return TRUE;
}

std::vector<WORD> BlockLanguages(int resource_number) {
  std::vector<WORD> languages;
  EnumResourceLanguagesW(GetModuleHandleW(nullptr), RT_STRING,
                         MAKEINTRESOURCEW((resource_number >> 4) + 1), CollectLanguage,
                         reinterpret_cast<LONG_PTR>(&languages));
  return languages;
}

TEST_F(LoadTextTest, EachTextLiesInOneBlockTaggedWithItsLanguage) {
  const struct {
    int offset;
    WORD primary_language;
  } tables[] = {{kLanguageOffsetEnglish, LANG_ENGLISH},
                {kLanguageOffsetSpanish, LANG_SPANISH},
                {kLanguageOffsetThai, LANG_THAI}};
  for (const auto& table : tables) {
    for (int string_id : CatalogueStringIds()) {
      const std::vector<WORD> languages = BlockLanguages(string_id + table.offset);
      ASSERT_EQ(languages.size(), 1u) << "StringId " << string_id << " offset " << table.offset;
      EXPECT_EQ(PRIMARYLANGID(languages[0]), table.primary_language)
          << "StringId " << string_id << " offset " << table.offset;
    }
  }
}

}  // namespace
