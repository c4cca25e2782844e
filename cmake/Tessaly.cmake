# Shared build helpers: every src/ folder is one static library made of all
# the sources in it, so adding a file needs no change here. A subfolder with a
# CMakeLists.txt of its own is a library of its own, and not part of it.

function(tessaly_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
    -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual -Wformat=2 -Wno-unused-parameter
    # GCC 12 reports std::string concatenation at -O2 as overlapping memcpy
    # (a known false positive in its headers).
    $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
  target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS QT_DISABLE_DEPRECATED_BEFORE=0x060000)
endfunction()

# tessaly_library(<name> [SHARED] [PUBLIC <targets...>] [PRIVATE <targets...>] [EXCLUDE <files...>]
#                 [SOURCES <files...>])
# PUBLIC: what the library's headers include; PRIVATE: what only its sources use.
# SHARED: the library holds state that the application and the editor module
# share, so there must be one copy of it in the process (a shared library,
# except in the fuzz build). SOURCES: these files instead of the whole folder.
function(tessaly_library name)
  cmake_parse_arguments(ARG "SHARED" "" "PUBLIC;PRIVATE;EXCLUDE;SOURCES" ${ARGN})
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "tessaly_library(${name}): unknown arguments ${ARG_UNPARSED_ARGUMENTS} (links go after PUBLIC or PRIVATE)")
  endif()
  if(ARG_SOURCES)
    set(sources ${ARG_SOURCES})
  else()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
      ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    file(GLOB_RECURSE own_libraries CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
    foreach(list_file ${own_libraries})
      get_filename_component(folder ${list_file} DIRECTORY)
      list(FILTER sources EXCLUDE REGEX "^${folder}/")
    endforeach()
  endif()
  foreach(x ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${x})
  endforeach()
  set(kind STATIC)
  if(ARG_SHARED AND TESSALY_SHARED_STATE)
    set(kind SHARED)
  endif()
  add_library(${name} ${kind} ${sources})
  if(kind STREQUAL SHARED)
    # Installed beside each other in lib/tessaly.
    set_target_properties(${name} PROPERTIES INSTALL_RPATH "$ORIGIN")
  endif()
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
  tessaly_warnings(${name})
endfunction()

# tessaly_module_code(<targets...>)
# Libraries built into the editor module alone: their symbols stay inside it,
# so the module exports its entry and little else, and loads without binding
# thousands of names. What the program and the module share lives in the
# SHARED libraries, which keep exporting it.
function(tessaly_module_code)
  set_target_properties(${ARGN} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
endfunction()

# tessaly_require_npm(<file> <what>)
# Stops the configure step when an npm package the application needs at run
# time is missing: without it the build would succeed with a broken program.
function(tessaly_require_npm file what)
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "${what} are not installed (${file} is missing). Run scripts/setup, then configure again.")
  endif()
endfunction()

# tessaly_test(<folder> LABELS <labels...> DEPS <targets...>)
# One test program per folder of tests/, run through the shared GoogleTest main.
function(tessaly_test folder)
  cmake_parse_arguments(ARG "" "TIMEOUT" "DEPS;LABELS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
  if(NOT sources)
    return()
  endif()
  set(target test_${folder})
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE tessaly_testsupport ${ARG_DEPS})
  tessaly_warnings(${target})
  add_test(NAME ${target} COMMAND ${target})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${target} PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu --no-sandbox;QT_LOGGING_RULES=qt.webenginecontext=false;HOME=${CMAKE_BINARY_DIR}/test-home")
endfunction()

# tessaly_share_files(<library> FOLDER <folder> FILES <files...> [NAME <name>] [BASE <dir>])
# Copies files the application reads at run time into the share folder's
# <folder>, before <library> builds. NAME renames a single file; with BASE
# each file keeps its path below <dir>.
function(tessaly_share_files library)
  cmake_parse_arguments(ARG "" "FOLDER;NAME;BASE" "FILES" ${ARGN})
  set(outputs)
  foreach(f ${ARG_FILES})
    get_filename_component(n ${f} NAME)
    if(ARG_NAME)
      set(n ${ARG_NAME})
    elseif(ARG_BASE)
      file(RELATIVE_PATH n "${ARG_BASE}" "${f}")
    endif()
    set(out "${TESSALY_SHARE_DIR}/${ARG_FOLDER}/${n}")
    add_custom_command(OUTPUT "${out}"
      COMMAND ${CMAKE_COMMAND} -E copy_if_different "${f}" "${out}"
      DEPENDS "${f}")
    list(APPEND outputs "${out}")
  endforeach()
  string(MD5 key "${ARG_FOLDER};${ARG_NAME};${ARG_BASE};${ARG_FILES}")
  string(SUBSTRING ${key} 0 8 key)
  add_custom_target(${library}_share_${key} ALL DEPENDS ${outputs})
  add_dependencies(${library} ${library}_share_${key})
endfunction()
