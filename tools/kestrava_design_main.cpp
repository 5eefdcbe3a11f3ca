#include "tools/design_command.h"

// kestrava-design starts light: it links the engine, the sheet writer, SQLite and the batch code,
// never Qt or the modelling kernel, so that one design starts in a few milliseconds. A run that
// asks for an output needing those is handed whole (the same arguments) to kestrava-design-full
// beside it: the same command linked with tools/heavy_outputs.cpp.
// - A light option (--assess, --rules, --search, ...): add it to design_command.cpp like --sheet;
//   the engine, SQLite, TBB and nlohmann-json are fine here.
// - A heavy option (--model, --drawing, --report, ...): add it to design_command.cpp too, list
//   its name in kHeavyOptions there, and give HeavyOutputs (tools/heavy_outputs.h) a member
//   that writes it.
int main(int argc, char** argv) {
    return kestrava::RunDesignCommand(argc, argv, nullptr);
}
