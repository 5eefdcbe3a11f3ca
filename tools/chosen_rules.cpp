#include "tools/chosen_rules.h"

#include "engine/core_steel_catalogue.h"
#include "engine/escaped_text.h"
#include "tools/design_rules_text.h"

namespace kestrava {

Result<ChosenRules, std::string> ChooseRules(std::string_view text, double kva,
                                             const std::filesystem::path& steelsFile) {
    ChosenRules chosen{FixedDesignRules(kva), {}};
    if (auto read = ReadDesignRulesText(text, chosen.rules); !read.has_value()) {
        return Fail("--rules: " + read.error());
    }
    const LoadedCoreSteels loaded = LoadCoreSteels(steelsFile);
    if (!loaded.has_value()) return Fail("cannot read the core steels: " + loaded.error());
    const CoreSteel* steel = loaded->Find(chosen.rules.steel);
    if (steel == nullptr) {
        return Fail("--rules: no steel " + QuotedText(chosen.rules.steel) + " in " +
                    steelsFile.string());
    }
    chosen.steel = *steel;
    if (auto checked = CheckRules(chosen.rules, chosen.steel); !checked.has_value()) {
        return Fail("--rules: " + checked.error());
    }
    return chosen;
}

}  // namespace kestrava
