# Two optional builds, each in a build folder of its own:
# - TESSALY_FUZZ: the libFuzzer targets of tests/fuzz and only the libraries
#   they reach, built with clang under AddressSanitizer and
#   UndefinedBehaviorSanitizer (scripts/fuzz);
# - TESSALY_SANITIZE: the whole project and its tests under GCC's
#   AddressSanitizer and UndefinedBehaviorSanitizer (scripts/test --sanitize).
option(TESSALY_FUZZ "Build only the libFuzzer targets (needs clang)" OFF)
option(TESSALY_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(TESSALY_FUZZ AND TESSALY_SANITIZE)
  message(FATAL_ERROR "TESSALY_FUZZ and TESSALY_SANITIZE are separate builds")
endif()

if(TESSALY_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TESSALY_FUZZ needs clang (e.g. -DCMAKE_CXX_COMPILER=clang++-16)")
  endif()
  # Every finding aborts, so that libFuzzer keeps the input that caused it.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow
    -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()

if(TESSALY_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
  # The instrumentation makes GCC's flow analysis see uninitialised reads
  # that are not there (in its own std::regex, for one), as its manual warns;
  # the uninstrumented build keeps the warning.
  add_compile_options($<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>)
  # The build hands the compiler our sources by paths relative to the build
  # folder, and reports name frames by those paths. tests/sanitize/check-reports
  # knows a frame of ours by its path under the project's folder, so the
  # debug information records that path instead.
  file(RELATIVE_PATH source_from_build ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR})
  if(source_from_build)
    string(REGEX REPLACE "/+$" "" source_from_build "${source_from_build}")
    add_compile_options(-fdebug-prefix-map=${source_from_build}/=${PROJECT_SOURCE_DIR}/)
  endif()
endif()
