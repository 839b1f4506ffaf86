// ResultCode: the unsigned 32-bit outcome of every calculation export.
// 0 is success; every failure has the form 0x600000nn. The program maps each
// code to its message (the codes that no export returns keep theirs too).
#pragma once
#include <cstdint>

using ResultCode = std::uint32_t;

namespace rc {
inline constexpr ResultCode Success = 0;
inline constexpr ResultCode UnexpectedFailure = 0x60000000;
inline constexpr ResultCode InvalidExpectedPrevalence = 0x60000001;
inline constexpr ResultCode InvalidPrecision = 0x60000002;
inline constexpr ResultCode InvalidConfidenceLevel = 0x60000003;
inline constexpr ResultCode InvalidPopulationSize = 0x60000004;
inline constexpr ResultCode TooFewStrata = 0x60000005;
inline constexpr ResultCode InvalidPopulationPrevalence = 0x60000006;
inline constexpr ResultCode SizeBelowMinimum = 0x60000007;
inline constexpr ResultCode InvalidHomogeneity = 0x60000008;
inline constexpr ResultCode InvalidProportion = 0x60000009;
inline constexpr ResultCode SampleExceedsPopulation = 0x6000000A;
inline constexpr ResultCode InvalidPositiveCases = 0x6000000B;
inline constexpr ResultCode FileOpenFailed = 0x6000000C;
inline constexpr ResultCode FileReadFailed = 0x6000000D;
inline constexpr ResultCode OutOfMemory = 0x6000000E;
inline constexpr ResultCode NoValidData = 0x6000000F;
inline constexpr ResultCode InvalidFileFormat = 0x60000010;
inline constexpr ResultCode TooFewClusterRecords = 0x60000011;
inline constexpr ResultCode InvalidClusterId = 0x60000012;
inline constexpr ResultCode ZeroSamplesBelowEvents = 0x60000013;
inline constexpr ResultCode SamplesBelowEvents = 0x60000014;
inline constexpr ResultCode InvalidPrevalence1 = 0x60000015;
inline constexpr ResultCode InvalidPrevalence2 = 0x60000016;
inline constexpr ResultCode InvalidPower = 0x60000017;
inline constexpr ResultCode Prevalence2BelowPrevalence1 = 0x60000018;
inline constexpr ResultCode InvalidSampleSize1 = 0x60000019;
inline constexpr ResultCode InvalidSampleSize2 = 0x6000001A;
inline constexpr ResultCode InvalidSensitivity = 0x6000001B;
inline constexpr ResultCode InvalidSpecificity = 0x6000001C;
inline constexpr ResultCode InvalidAverage = 0x6000001D;
inline constexpr ResultCode InvalidStandardDeviation = 0x6000001E;
inline constexpr ResultCode InvalidPrevalence = 0x6000001F;
inline constexpr ResultCode InvalidErrorProbability = 0x60000020;
inline constexpr ResultCode InvalidTestCombination = 0x60000021;
inline constexpr ResultCode InvalidHerdPrevalence = 0x60000022;
inline constexpr ResultCode InvalidHerdAverage = 0x60000023;
inline constexpr ResultCode InvalidHerdConfidenceLevel = 0x60000024;
inline constexpr ResultCode InputFileEmpty = 0x60000025;
inline constexpr ResultCode InvalidUnitsToSelect = 0x60000026;
inline constexpr ResultCode InvalidInputRecord = 0x60000027;
inline constexpr ResultCode OutputWriteFailed = 0x60000028;
inline constexpr ResultCode InvalidUnitsToSelectBySize = 0x60000029;
inline constexpr ResultCode InputFileNoData = 0x6000002A;
inline constexpr ResultCode InvalidInputRecordBySize = 0x6000002B;
inline constexpr ResultCode MoreUnitsThanRecords = 0x6000002C;
inline constexpr ResultCode InputFileNotFound = 0x6000002D;
inline constexpr ResultCode InvalidRelativeError = 0x6000002E;
// The sizes of a list add up to fewer animals than the units asked for, so
// no interval steps through them (selection proportional to size).
inline constexpr ResultCode TotalSizeBelowUnits = 0x6000002F;
}  // namespace rc
