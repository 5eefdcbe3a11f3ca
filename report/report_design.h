#pragma once

#include <QString>

#include "assess/assessment.h"
#include "engine/design_record.h"
#include "engine/design_rules.h"
#include "report/rules_origin.h"
#include "sheet/design_sheet_writer.h"

namespace kestrava::report {

// Everything a design report states about one finished design.
struct ReportDesign {
    DesignRecord record;
    RatingTexts texts;  // the rating's voltages and connection as typed
    assess::AssessmentSettings settings;
    assess::Assessment assessment;  // made with 'settings' and the chosen regime, if any
    DesignRules rules;              // the rules the design was made by
    RulesOrigin origin = RulesOrigin::Fixed;
    QString date;  // ISO 8601
};

// "the fixed rules", "rules chosen by hand" or "found by a design search".
QString RulesOriginText(RulesOrigin origin);

// "100 kVA, 11000 V / 433 V, Delta-Star, 50 Hz, tapping 5 %".
QString RatingText(const ReportDesign& design);

}  // namespace kestrava::report
