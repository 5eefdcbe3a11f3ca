#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/design_record.h"
#include "engine/design_rules.h"
#include "engine/result.h"
#include "tools/assessment_request.h"
#include "tools/output_fields.h"

namespace kestrava {

// How a run of the command prints each design: by default the whole JSON record (with its rules
// and assessment when the run has them); or chosen fields as a JSON object or a CSV row.
class RecordOutput {
  public:
    RecordOutput() = default;

    // --format "json" or "csv" with the fields of --fields (nothing for the default ones); a batch
    // puts the input's line number first in a CSV and its error last. Refuses field names as
    // ChooseFields does.
    static Result<RecordOutput, std::string> Choose(std::string_view format,
                                                    std::optional<std::string_view> fields,
                                                    FieldGroups groups, bool batch);

    // The CSV header line, or nothing.
    void AppendHeader(std::string& out) const;

    // One design, without a line end; 'rules' and 'assessment' only in runs that have them.
    void AppendDesign(std::string& out, const DesignRecord& record, const DesignRules* rules,
                      const AssessmentRequest* assessment) const;

    // A design of a batch, whose rating was on input line 'line'.
    void AppendBatchDesign(std::string& out, std::size_t line, const DesignRecord& record,
                           const AssessmentRequest* assessment) const;

    // A rating of a batch that gave no design: {"line":N,"error":"..."}, or a CSV row with only
    // its line and error cells.
    void AppendFailure(std::string& out, std::size_t line, std::string_view error) const;

  private:
    void AppendChosen(std::string& out, const PrintedDesign& design) const;

    bool csv_ = false;
    bool batchColumns_ = false;  // a CSV batch's "line" and "error" columns
    bool needsAssessment_ = false;
    // Empty for the whole JSON record.
    std::vector<OutputField> fields_;
    // A chosen JSON object: before each field (in jsonOrder_) the keys and braces that lead to
    // it, and after the last one the braces that close it.
    std::vector<std::string> jsonLeads_;
    std::vector<std::size_t> jsonOrder_;
    std::string jsonClose_;
};

}  // namespace kestrava
