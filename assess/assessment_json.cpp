#include "assess/assessment_json.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

namespace kestrava::assess {
namespace {

// Writes JSON straight into a string: a batch prints a million of these.
class JsonText {
  public:
    explicit JsonText(std::string& out) : out_(out) {}

    void Open(char bracket) {
        Separate();
        out_ += bracket;
    }
    void Close(char bracket) { out_ += bracket; }
    // '"key":', after a comma unless it opens its object.
    JsonText& Key(std::string_view key) {
        Separate();
        out_ += '"';
        out_ += key;
        out_ += "\":";
        return *this;
    }
    void Number(double value) {
        Separate();
        if (!std::isfinite(value)) {
            out_ += "null";
            return;
        }
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        out_.append(buffer, end);
    }
    void Bool(bool value) {
        Separate();
        out_ += value ? "true" : "false";
    }
    void Null() {
        Separate();
        out_ += "null";
    }
    template <class T>
    void Optional(const std::optional<T>& value) {
        if (!value) return Null();
        if constexpr (std::is_same_v<T, bool>) {
            Bool(*value);
        } else {
            Number(*value);
        }
    }
    // Texts here are the program's own or were read as valid UTF-8 JSON; only quotes,
    // backslashes and control characters need escaping.
    void Text(std::string_view text) {
        Separate();
        out_ += '"';
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out_ += escaped;
            } else {
                out_ += c;
            }
        }
        out_ += '"';
    }

  private:
    // A comma before every key or list element that follows another; none after a key.
    void Separate() {
        if (out_.size() == start_) return;
        const char last = out_.back();
        if (last != '{' && last != '[' && last != ':') out_ += ',';
    }

    std::string& out_;
    std::size_t start_ = out_.size();
};

void WriteMasses(JsonText& j, const Masses& m) {
    j.Key("masses").Open('{');
    j.Key("coreLimb").Number(m.coreLimb);
    j.Key("coreYoke").Number(m.coreYoke);
    j.Key("core").Number(m.core);
    j.Key("hvCopper").Number(m.hvCopper);
    j.Key("lvCopper").Number(m.lvCopper);
    j.Key("copper").Number(m.copper);
    j.Key("oil").Number(m.oil);
    j.Key("tankSteel").Number(m.tankSteel);
    j.Key("total").Number(m.total);
    j.Close('}');
}

void WriteCompliance(JsonText& j, const std::optional<Compliance>& compliance) {
    j.Key("compliance");
    if (!compliance) return j.Null();
    j.Open('{');
    j.Key("regime").Text(compliance->regime);
    j.Key("covered").Bool(compliance->covered);
    j.Key("limits").Open('[');
    for (const LimitCheck& check : compliance->limits) {
        j.Open('{');
        j.Key("name").Text(LimitName(check.kind));
        j.Key("value").Number(check.value);
        j.Key("limit").Optional(check.limit);
        j.Key("pass").Optional(check.pass);
        j.Close('}');
    }
    j.Close(']');
    j.Key("pass").Optional(compliance->pass);
    j.Close('}');
}

}  // namespace

void AppendAssessmentJson(std::string& out, const Assessment& a) {
    JsonText j(out);
    j.Open('{');
    WriteMasses(j, a.masses);
    j.Key("volumes").Open('{');
    j.Key("tank").Number(a.volumes.tank);
    j.Key("activePart").Number(a.volumes.activePart);
    j.Key("oil").Number(a.volumes.oil);
    j.Close('}');
    j.Key("cost").Open('{');
    j.Key("material").Number(a.cost.material);
    j.Key("noLoadLossCapitalised").Number(a.cost.noLoadLossCapitalised);
    j.Key("loadLossCapitalised").Number(a.cost.loadLossCapitalised);
    j.Key("totalOwning").Number(a.cost.totalOwning);
    j.Close('}');
    j.Key("efficiency").Open('[');
    for (const EfficiencyPoint& point : a.efficiency) {
        j.Open('{');
        j.Key("load").Number(point.load);
        j.Key("powerFactor").Number(point.powerFactor);
        j.Key("percent").Number(point.percent);
        j.Close('}');
    }
    j.Close(']');
    j.Key("maximumEfficiency").Open('{');
    j.Key("load").Number(a.maximumEfficiency.load);
    j.Key("percent").Number(a.maximumEfficiency.percent);
    j.Close('}');
    j.Key("regulation").Open('[');
    for (const RegulationPoint& point : a.regulation) {
        j.Open('{');
        j.Key("powerFactor").Number(point.powerFactor);
        j.Key("percent").Number(point.percent);
        j.Close('}');
    }
    j.Close(']');
    j.Key("clearances").Open('[');
    for (const ClearanceProblem& problem : a.clearances) {
        j.Open('{');
        j.Key("field").Text(problem.field);
        j.Key("mm").Number(problem.mm);
        j.Key("text").Text(problem.text);
        j.Close('}');
    }
    j.Close(']');
    WriteCompliance(j, a.compliance);
    j.Key("impedance").Open('{');
    j.Key("percent").Number(a.impedance.percent);
    j.Key("minimumPercent").Optional(a.impedance.minimumPercent);
    j.Key("pass").Optional(a.impedance.pass);
    j.Close('}');
    j.Key("shortCircuit").Open('[');
    for (const ShortCircuitCheck& check : a.shortCircuit) {
        j.Open('{');
        j.Key("winding").Text(check.winding);
        j.Key("currentDensity").Number(check.currentDensity);
        j.Key("finalTemperature").Optional(check.finalTemperature);
        j.Key("limit").Number(check.limit);
        j.Key("pass").Bool(check.pass);
        j.Close('}');
    }
    j.Close(']');
    j.Close('}');
}

nlohmann::ordered_json AssessmentJson(const Assessment& assessment) {
    std::string text;
    AppendAssessmentJson(text, assessment);
    return nlohmann::ordered_json::parse(text);
}

}  // namespace kestrava::assess
