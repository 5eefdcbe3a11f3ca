// Build step: puts an empty parameter record database in place unless one is already there.
#include <iostream>

#include "records/param_record_store.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: create_param_record_database <database file>\n";
        return 2;
    }
    if (const auto created = kestrava::CreateParamRecordDatabase(argv[1]); !created.has_value()) {
        std::cerr << argv[1] << ": " << created.error().description << '\n';
        return 1;
    }
    return 0;
}
