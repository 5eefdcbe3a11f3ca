# Test, picture and benchmark programs. Each is one executable linked with what it exercises and
# told where the installed data it reads lies (READS, see kestrava_reads_installed in
# data/CMakeLists.txt); tests and benchmarks are registered with CTest under a label.
#
#   kestrava_unit_tests(<target> SOURCES <file>... LIBRARIES <library>... [READS <item>...])
#   kestrava_gui_tests(<target> [NEEDS_DISPLAY] SOURCES ... LIBRARIES ... [READS ...])
#   kestrava_picture_program(<target> SOURCES ... LIBRARIES ... [READS ...])
#   kestrava_benchmark(<target> SOURCES ... LIBRARIES ... [READS ...] [LAUNCHER <command>...]
#                      [ARGS <argument>...])
#   kestrava_python_check(<test> <script> <argument>...)

set(KESTRAVA_LSAN_ENVIRONMENT
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0")

# The executable common to every kind; 'folder' is where it is written.
function(kestrava_program target folder)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "SOURCES;LIBRARIES;READS")
    add_executable(${target} ${arg_SOURCES})
    target_link_libraries(${target} PRIVATE ${arg_LIBRARIES})
    kestrava_target_defaults(${target})
    kestrava_reads_installed(${target} ${arg_READS})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${folder})
endfunction()

# GoogleTest cases, each its own CTest test labelled unit.
function(kestrava_unit_tests target)
    kestrava_program(${target} ${CMAKE_BINARY_DIR}/tests ${ARGN})
    target_link_libraries(${target} PRIVATE GTest::gtest GTest::gtest_main GTest::gmock)
    gtest_discover_tests(${target} NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60 PROPERTIES
        LABELS unit
        ENVIRONMENT "${KESTRAVA_LSAN_ENVIRONMENT}")
endfunction()

# A Qt Test program, one CTest test labelled gui, on the offscreen platform unless it draws with
# OpenGL and so NEEDS_DISPLAY (ctest runs inside xvfb-run).
function(kestrava_gui_tests target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "NEEDS_DISPLAY" "" "")
    kestrava_program(${target} ${CMAKE_BINARY_DIR}/tests ${arg_UNPARSED_ARGUMENTS})
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    target_link_libraries(${target} PRIVATE Qt6::Test)
    add_test(NAME ${target} COMMAND ${target})
    set(environment "${KESTRAVA_LSAN_ENVIRONMENT}")
    if(NOT arg_NEEDS_DISPLAY)
        list(PREPEND environment QT_QPA_PLATFORM=offscreen)
    endif()
    set_tests_properties(${target} PROPERTIES LABELS gui ENVIRONMENT "${environment}")
endfunction()

# Saves pictures of windows for the documentation: run it under Xvfb with an output folder.
function(kestrava_picture_program target)
    kestrava_program(${target} ${CMAKE_BINARY_DIR}/tests ${ARGN})
endfunction()

# A Google Benchmark program in the installation folder, one CTest test labelled bench, run by
# LAUNCHER (if any) with ARGS.
function(kestrava_benchmark target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LAUNCHER;ARGS")
    kestrava_program(${target} ${KESTRAVA_BIN_DIR} ${arg_UNPARSED_ARGUMENTS})
    target_link_libraries(${target} PRIVATE benchmark::benchmark)
    add_test(NAME ${target} COMMAND ${arg_LAUNCHER} $<TARGET_FILE:${target}> ${arg_ARGS})
    set_tests_properties(${target} PROPERTIES LABELS bench)
endfunction()

# A check written in Python against the programs, one CTest test labelled unit.
find_program(KESTRAVA_PYTHON3 python3 REQUIRED)
function(kestrava_python_check name script)
    add_test(NAME ${name} COMMAND ${KESTRAVA_PYTHON3} ${script} ${ARGN})
    set_tests_properties(${name} PROPERTIES LABELS unit ENVIRONMENT "${KESTRAVA_LSAN_ENVIRONMENT}")
endfunction()
