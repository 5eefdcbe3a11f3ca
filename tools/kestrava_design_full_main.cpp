#include "tools/design_command.h"
#include "tools/heavy_outputs.h"

// The full command: what kestrava-design hands a run that asks for a heavy output.
int main(int argc, char** argv) {
    return kestrava::RunDesignCommand(argc, argv, &kestrava::LinkedHeavyOutputs());
}
