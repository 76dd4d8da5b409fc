# The fuzz tree builds every library of the game with libFuzzer's coverage
# and the address and undefined-behaviour sanitizers, so that a target sees
# the branches of all the code an input reaches and any fault stops it.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "KROXL_FUZZ needs clang: CC=clang CXX=clang++ cmake -DKROXL_FUZZ=ON ...")
endif()
set(KROXL_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
set(KROXL_COVERAGE -fsanitize=fuzzer-no-link -fsanitize-coverage-ignorelist=${CMAKE_CURRENT_LIST_DIR}/coverage-ignore.txt)
add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:${KROXL_COVERAGE};${KROXL_SANITIZERS}>")
add_link_options(-fsanitize=address,undefined)
