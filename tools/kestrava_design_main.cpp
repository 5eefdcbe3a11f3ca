#include "tools/design_command.h"

int main(int argc, char** argv) {
    return kestrava::RunDesignCommand(argc, argv);
}
