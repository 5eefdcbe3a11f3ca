#include "tools/record_output.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "tools/design_record_json.h"
#include "tools/design_rules_text.h"
#include "tools/shortest_number.h"

namespace kestrava {
namespace {

constexpr std::size_t kNoField = static_cast<std::size_t>(-1);

// The chosen names as the nested objects of the JSON record: "assessment.cost.material" is
// the member "material" of "cost" of "assessment".
struct KeyNode {
    std::string_view key;
    std::size_t field = kNoField;
    std::vector<KeyNode> children;
};

void AddKey(KeyNode& root, std::string_view name, std::size_t field) {
    KeyNode* node = &root;
    while (true) {
        const std::size_t dot = name.find('.');
        const std::string_view key = name.substr(0, dot);
        auto child = std::find_if(node->children.begin(), node->children.end(),
                                  [&](const KeyNode& known) { return known.key == key; });
        if (child == node->children.end()) {
            node->children.push_back({key, kNoField, {}});
            child = std::prev(node->children.end());
        }
        node = &*child;
        if (dot == std::string_view::npos) {
            node->field = field;
            return;
        }
        name.remove_prefix(dot + 1);
    }
}

// Writes the object 'node' as literal leads, one before each field, into 'leads' and 'order';
// what follows the last field is left in 'pending'.
void LayOut(const KeyNode& node, std::string& pending, std::vector<std::string>& leads,
            std::vector<std::size_t>& order) {
    pending += '{';
    for (const KeyNode& child : node.children) {
        if (&child != &node.children.front()) pending += ',';
        pending.append(1, '"').append(child.key).append("\":");
        if (child.field != kNoField) {
            leads.push_back(std::move(pending));
            pending.clear();
            order.push_back(child.field);
        } else {
            LayOut(child, pending, leads, order);
        }
    }
    pending += '}';
}

// Appends a finite number or a verdict, written alike in JSON and CSV; false for anything else.
bool AppendNumberOrVerdict(std::string& out, const FieldCell& cell) {
    if (const double* number = std::get_if<double>(&cell); number && std::isfinite(*number)) {
        AppendShortestNumber(out, *number);
    } else if (const bool* verdict = std::get_if<bool>(&cell)) {
        out += *verdict ? "true" : "false";
    } else {
        return false;
    }
    return true;
}

void AppendJsonCell(std::string& out, const FieldCell& cell) {
    if (AppendNumberOrVerdict(out, cell)) return;
    if (const auto* text = std::get_if<std::string_view>(&cell)) {
        AppendJsonString(out, *text);
    } else {
        out += "null";
    }
}

// A text as one CSV cell, quoted only when it holds a comma, a quote or a line end.
void AppendCsvText(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

// A null or a number that is not finite is an empty cell.
void AppendCsvCell(std::string& out, const FieldCell& cell) {
    if (AppendNumberOrVerdict(out, cell)) return;
    if (const auto* text = std::get_if<std::string_view>(&cell)) AppendCsvText(out, *text);
}

}  // namespace

Result<RecordOutput, std::string> RecordOutput::Choose(std::string_view format,
                                                       std::optional<std::string_view> fields,
                                                       FieldGroups groups, bool batch) {
    RecordOutput output;
    output.csv_ = format == "csv";
    if (fields) {
        auto chosen = ChooseFields(*fields, groups);
        if (!chosen.has_value()) return Fail(chosen.error());
        output.fields_ = std::move(chosen).value();
    } else if (output.csv_) {
        output.fields_ = AvailableFields(groups);
    }
    output.batchColumns_ = output.csv_ && batch;
    output.needsAssessment_ =
        std::any_of(output.fields_.begin(), output.fields_.end(),
                    [](const OutputField& field) { return field.fromAssessment != nullptr; });
    if (!output.csv_ && !output.fields_.empty()) {
        KeyNode root;
        for (std::size_t i = 0; i < output.fields_.size(); ++i) {
            AddKey(root, output.fields_[i].name, i);
        }
        LayOut(root, output.jsonClose_, output.jsonLeads_, output.jsonOrder_);
    }
    return output;
}

void RecordOutput::AppendHeader(std::string& out) const {
    if (!csv_) return;
    if (batchColumns_) out += "line,";
    for (const OutputField& field : fields_) {
        if (&field != &fields_.front()) out += ',';
        out += field.name;
    }
    out += batchColumns_ ? ",error\n" : "\n";
}

void RecordOutput::AppendDesign(std::string& out, const DesignRecord& record,
                                const DesignRules* rules,
                                const AssessmentRequest* assessment) const {
    if (fields_.empty()) {
        AppendDesignRecordJson(out, record);
        if (rules != nullptr) AppendRulesMember(out, *rules);
        if (assessment != nullptr) AppendAssessmentMember(out, record, *assessment);
        return;
    }
    std::optional<assess::Assessment> assessed;
    if (needsAssessment_) assessed = AssessRecord(record, *assessment);
    AppendChosen(out, {record, rules, assessed ? &*assessed : nullptr});
}

void RecordOutput::AppendBatchDesign(std::string& out, std::size_t line, const DesignRecord& record,
                                     const AssessmentRequest* assessment) const {
    if (batchColumns_) out.append(std::to_string(line)).append(1, ',');
    AppendDesign(out, record, nullptr, assessment);
}

void RecordOutput::AppendChosen(std::string& out, const PrintedDesign& design) const {
    if (csv_) {
        for (const OutputField& field : fields_) {
            if (&field != &fields_.front()) out += ',';
            AppendCsvCell(out, ValueOf(field, design));
        }
        if (batchColumns_) out += ',';
        return;
    }
    for (std::size_t i = 0; i < jsonOrder_.size(); ++i) {
        out += jsonLeads_[i];
        AppendJsonCell(out, ValueOf(fields_[jsonOrder_[i]], design));
    }
    out += jsonClose_;
}

void RecordOutput::AppendFailure(std::string& out, std::size_t line, std::string_view error) const {
    if (!csv_) {
        AppendBatchErrorJson(out, line, error);
        return;
    }
    out.append(std::to_string(line)).append(fields_.size() + 1, ',');
    AppendCsvText(out, error);
}

}  // namespace kestrava
