# Compiler flags of the fuzz build: every library is instrumented for libFuzzer's
# coverage and checked by AddressSanitizer and UndefinedBehaviorSanitizer, which stop
# at the first fault so that libFuzzer records the input.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "VISTREL_FUZZ needs clang (for example -DCMAKE_CXX_COMPILER=clang++-14)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=undefined)
add_link_options(-fsanitize=address,undefined)
