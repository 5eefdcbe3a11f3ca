#include "tools/chosen_rules.h"

#include "engine/core_steel_catalogue.h"
#include "tools/design_rules_text.h"
#include "tools/rating_texts.h"

namespace kestrava {

ChosenRules ChooseRules(std::string_view text, double kva,
                        const std::filesystem::path& steelsFile) {
    ChosenRules chosen{FixedDesignRules(kva), {}, {}};
    if (std::string problem = ReadDesignRulesText(text, chosen.rules); !problem.empty()) {
        chosen.error = "--rules: " + problem;
        return chosen;
    }
    const LoadedCoreSteels loaded = LoadCoreSteels(steelsFile);
    if (!loaded.ok()) {
        chosen.error = "cannot read the core steels: " + loaded.error();
        return chosen;
    }
    const CoreSteel* steel = loaded->Find(chosen.rules.steel);
    if (steel == nullptr) {
        chosen.error =
            "--rules: no steel " + QuotedText(chosen.rules.steel) + " in " + steelsFile.string();
        return chosen;
    }
    chosen.steel = *steel;
    if (auto problem = RulesProblem(chosen.rules, chosen.steel))
        chosen.error = "--rules: " + *problem;
    return chosen;
}

}  // namespace kestrava
