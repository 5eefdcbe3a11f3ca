# Warnings and sanitizers shared by every Kestrava target.

# Rebuilds after a branch switch or in a second checkout reuse earlier objects.
find_program(KESTRAVA_CCACHE ccache)
if(KESTRAVA_CCACHE)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${KESTRAVA_CCACHE})
endif()
option(KESTRAVA_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" ON)
option(KESTRAVA_SANITIZE "Build with address and undefined-behaviour sanitizers" OFF)

add_library(kestrava_options INTERFACE)
target_compile_features(kestrava_options INTERFACE cxx_std_20)
target_compile_options(kestrava_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
    -Wnon-virtual-dtor -Woverloaded-virtual -Wimplicit-fallthrough)
# NOTE: -Wnull-dereference is left out: at -O3 GCC 12 reports it inside Qt's own move
# constructors once they are inlined into std::vector growth, where no null can occur.
if(KESTRAVA_WARNINGS_AS_ERRORS)
    target_compile_options(kestrava_options INTERFACE -Werror)
endif()
if(KESTRAVA_SANITIZE)
    target_compile_options(kestrava_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(kestrava_options INTERFACE -fsanitize=address,undefined)
endif()

# Applies the shared options to 'target'.
function(kestrava_target_defaults target)
    target_link_libraries(${target} PRIVATE kestrava_options)
endfunction()
