# Included before any target is made, so that all the code is instrumented for the fuzzer's
# coverage and checked by AddressSanitizer and UndefinedBehaviorSanitizer.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "OVALIS_FUZZ needs clang++ (libFuzzer): configure with "
                        "-DCMAKE_CXX_COMPILER=clang++, as scripts/fuzz does")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer -g)
add_link_options(-fsanitize=address,undefined)
