# Builds the strip table database DATABASE from the CSV file CSV with the sqlite3 program SQLITE3.
# Run as: cmake -DCSV=... -DDATABASE=... -DSQLITE3=... -P build_conductor_database.cmake
foreach(required CSV DATABASE SQLITE3)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "${required} is not set")
    endif()
endforeach()

# Build beside the target and rename, so a failed build never leaves a half-filled table.
set(partial "${DATABASE}.partial")
set(script "${DATABASE}.sql")
file(REMOVE "${partial}")
get_filename_component(folder "${DATABASE}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
file(WRITE "${script}" [=[
CREATE TABLE CopStripSize (
    "Apprx CrossSectnl Area" REAL NOT NULL,
    "Thickness" REAL NOT NULL,
    "Width" REAL NOT NULL
);
]=])
file(APPEND "${script}" ".import --csv --skip 1 \"${CSV}\" CopStripSize\n")
execute_process(COMMAND "${SQLITE3}" -batch -bail "${partial}"
    INPUT_FILE "${script}"
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
file(REMOVE "${script}")
if(NOT result EQUAL 0 OR NOT errors STREQUAL "")
    file(REMOVE "${partial}")
    message(FATAL_ERROR "Building ${DATABASE} failed: ${errors}")
endif()
file(RENAME "${partial}" "${DATABASE}")
