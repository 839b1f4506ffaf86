// The calculator forms that are built, each a control table with its
// operations, for the form registry.
#pragma once

struct TableForm;

extern const TableForm kSampleSizeSimpleRandomForm;
extern const TableForm kSampleSizeStratifiedForm;
extern const TableForm kSampleSizeTwoStagesForm;
extern const TableForm kIntervalSimpleRandomForm;
extern const TableForm kIntervalStratifiedForm;
extern const TableForm kIntervalTwoStagesForm;
extern const TableForm kMaximumPrevalenceForm;
extern const TableForm kDetectionSimpleRandomForm;
extern const TableForm kDetectionTwoStagesForm;
extern const TableForm kComparisonIntervalForm;
extern const TableForm kComparisonSampleSizeForm;
extern const TableForm kMeanIntervalForm;
extern const TableForm kMeanSampleSizeForm;
extern const TableForm kTruePrevalenceForm;
extern const TableForm kSelectionProportionalForm;
extern const TableForm kSelectionSimpleRandomForm;
