#include "engine/core_steel_catalogue.h"
#include "engine/installation_paths.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

namespace kestrava {
namespace {

using nlohmann::json;

class Refusal : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

void RequireOnlyMembers(const json& object, std::initializer_list<const char*> allowed,
                        const std::string& where) {
    if (!object.is_object()) throw Refusal(where + " is not an object");
    for (const auto& [key, value] : object.items()) {
        if (std::find_if(allowed.begin(), allowed.end(),
                         [&key](const char* name) { return key == name; }) == allowed.end()) {
            throw Refusal(where + " has the unknown member \"" + key + '"');
        }
    }
}

const json& Member(const json& object, const char* name, const std::string& where) {
    const auto found = object.find(name);
    if (found == object.end()) throw Refusal(where + " lacks \"" + name + '"');
    return *found;
}

double PositiveNumber(const json& value, const std::string& what) {
    if (!value.is_number() || !(value.get<double>() > 0.0) || !std::isfinite(value.get<double>())) {
        throw Refusal(what + " must be a positive number");
    }
    return value.get<double>();
}

std::vector<double> PositiveNumbers(const json& value, const std::string& what) {
    if (!value.is_array()) throw Refusal(what + " must be a list of numbers");
    std::vector<double> numbers;
    for (const json& item : value) numbers.push_back(PositiveNumber(item, what + " values"));
    return numbers;
}

LossCurve Curve(const std::vector<double>& flux, const json& losses, const std::string& what) {
    LossCurve curve{flux, PositiveNumbers(losses, what)};
    if (curve.loss.size() != flux.size()) {
        throw Refusal(what + " must have one value per fluxDensity");
    }
    return curve;
}

CoreSteel ReadSteel(const json& entry, std::size_t index) {
    std::string where = "steel " + std::to_string(index + 1);
    RequireOnlyMembers(entry,
                       {"name", "description", "pricePerKg", "buildingFactor", "yokeKeyedBy",
                        "fluxDensity", "limbLoss", "yokeLoss"},
                       where);
    const json& name = Member(entry, "name", where);
    if (!name.is_string() || name.get<std::string>().empty()) {
        throw Refusal(where + " needs a name");
    }
    CoreSteel steel;
    steel.name = name.get<std::string>();
    where = "steel \"" + steel.name + '"';
    if (const auto description = entry.find("description");
        description != entry.end() && !description->is_string()) {
        throw Refusal(where + ": description must be text");
    }
    steel.pricePerKg = PositiveNumber(Member(entry, "pricePerKg", where), where + ": pricePerKg");
    steel.buildingFactor =
        PositiveNumber(Member(entry, "buildingFactor", where), where + ": buildingFactor");
    const json& keyedBy = Member(entry, "yokeKeyedBy", where);
    if (keyedBy != "limb" && keyedBy != "yoke") {
        throw Refusal(where + ": yokeKeyedBy must be \"limb\" or \"yoke\"");
    }
    steel.yokeKeyedByLimbFlux = keyedBy == "limb";

    const std::vector<double> flux =
        PositiveNumbers(Member(entry, "fluxDensity", where), where + ": fluxDensity");
    if (flux.size() < 2 ||
        std::adjacent_find(flux.begin(), flux.end(), std::greater_equal<>()) != flux.end()) {
        throw Refusal(where + ": fluxDensity needs two or more ascending values");
    }
    steel.limb = Curve(flux, Member(entry, "limbLoss", where), where + ": limbLoss");
    const auto yokeLoss = entry.find("yokeLoss");
    steel.yoke =
        yokeLoss == entry.end() ? steel.limb : Curve(flux, *yokeLoss, where + ": yokeLoss");
    return steel;
}

CoreSteelCatalogue ReadCatalogue(const json& document) {
    RequireOnlyMembers(document, {"source", "scope", "steels"}, "the steel file");
    for (const char* text : {"source", "scope"}) {
        if (!Member(document, text, "the steel file").is_string()) {
            throw Refusal(std::string("the steel file's ") + text + " must be text");
        }
    }
    const json& entries = Member(document, "steels", "the steel file");
    if (!entries.is_array() || entries.empty()) throw Refusal("the steel file lists no steels");
    CoreSteelCatalogue catalogue;
    std::set<std::string> names;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        CoreSteel steel = ReadSteel(entries[i], i);
        if (!names.insert(steel.name).second) {
            throw Refusal("the steel \"" + steel.name + "\" is listed twice");
        }
        catalogue.steels.push_back(std::move(steel));
    }
    return catalogue;
}

}  // namespace

const CoreSteel* CoreSteelCatalogue::Find(std::string_view name) const {
    const auto found = std::find_if(steels.begin(), steels.end(),
                                    [name](const CoreSteel& steel) { return steel.name == name; });
    return found == steels.end() ? nullptr : &*found;
}

LoadedCoreSteels ReadCoreSteels(std::string_view text) {
    try {
        return ReadCatalogue(json::parse(text));
    } catch (const json::exception& error) {
        return Fail(std::string("not JSON: ") + error.what());
    } catch (const Refusal& refusal) {
        return Fail(std::string(refusal.what()));
    }
}

LoadedCoreSteels LoadCoreSteels(const std::filesystem::path& file) {
    std::ifstream input(file, std::ios::binary);
    if (!input) return Fail("cannot open \"" + file.string() + '"');
    const std::string text{std::istreambuf_iterator<char>(input), {}};
    return ReadCoreSteels(text);
}

std::filesystem::path CoreSteelsFile(const std::filesystem::path& folder) {
    return StandardsFolder(folder) / "core_steels.json";
}

}  // namespace kestrava
