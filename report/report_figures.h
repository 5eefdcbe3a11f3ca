#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "report/report_design.h"

namespace kestrava::report {

// How a checked line is judged; shown by colour and by word.
enum class Verdict { None, Pass, Fail, NotCovered };

QString VerdictWord(Verdict verdict);
Verdict VerdictOf(const std::optional<bool>& pass);

struct ReportLine {
    QString label;
    QString value;
    Verdict verdict = Verdict::None;
};

struct ReportSection {
    QString title;
    std::vector<ReportLine> lines;
};

struct ReportTable {
    QString title;
    QStringList header;
    std::vector<QStringList> rows;
};

// Page one: the rating, the key results and the verdicts.
std::vector<ReportSection> SummarySections(const ReportDesign& design);

// P0 and Pk (and the efficiency limit, if the regime has one) beside the regime's limits.
ReportSection LossLimitSection(const ReportDesign& design);

// Each material with its mass, price and cost, then the totals.
ReportTable BillOfMaterials(const ReportDesign& design);

// The rules the design was made by, saying whether a search found them.
ReportSection RulesSection(const ReportDesign& design);

// 'value' rounded to a whole number, or "n/a" when it is not finite.
QString Whole(double value);
// 'value' with 'decimals' decimals, or "n/a" when it is not finite.
QString Fixed(double value, int decimals);

}  // namespace kestrava::report
