# Each subsystem folder is one library of every .cpp below it, so adding a file needs no
# CMake edit. Sources under a `main/` folder (the executable's entry) are left out.
function(zelka_library name folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/${folder}/main/")
  # The asset cipher is its own library (see engine/CMakeLists.txt).
  list(FILTER sources EXCLUDE REGEX "/engine/crypt/")
  if(NOT sources)
    set(sources ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

# One test executable per subsystem folder, of every .cpp in it. Isolation stays per test:
# test discovery gives every test its own ctest entry, run in a process of its own, so a
# test that crashes or leaves state behind never touches another; only a file that does not
# compile stops its folder's tests (and fails the build anyway). One executable instead of
# one per file saves a link per file (GoogleTest and the leak suppressions in each) in both
# trees; GoogleTest and the standard headers the tests use are precompiled once, for every
# test program.
#   zelka_tests(<folder> <libraries>... [LONG <GoogleTest filter>])
# LONG names the tests that take seconds each (whole games, the real executable): a
# parallel run starts them first, so that none is left running alone at its end on a
# machine with no timings of an earlier run.
set(ZELKA_TEST_OPTIMIZE $<$<NOT:$<CONFIG:Debug>>:-O1>)
function(zelka_tests folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "LONG" "")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  set(target tests_${folder})
  add_executable(${target} ${sources} ${CMAKE_SOURCE_DIR}/tests/support/LeakSuppressions.cpp)
  target_link_libraries(${target} PRIVATE ${arg_UNPARSED_ARGUMENTS} GTest::gtest GTest::gtest_main
                                          GTest::gmock)
  if(NOT TARGET zelka_tests_pch)
    # Compiled once, reused by every test executable (same flags throughout).
    add_library(zelka_tests_pch STATIC ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
    # The same flags as every test: the platform library brings its packages' (-D_REENTRANT).
    target_link_libraries(zelka_tests_pch PRIVATE zelka_platform GTest::gtest)
    target_compile_options(zelka_tests_pch PRIVATE ${ZELKA_TEST_OPTIMIZE})
    target_precompile_headers(zelka_tests_pch PRIVATE
      <gtest/gtest.h> <algorithm> <array> <chrono> <cstdint> <filesystem> <fstream>
      <functional> <map> <memory> <optional> <set> <sstream> <string> <thread> <tuple>
      <unordered_map> <utility> <vector>)
  endif()
  target_precompile_headers(${target} REUSE_FROM zelka_tests_pch)
  # The code under test keeps the tree's optimisation; the tests themselves (mostly
  # GoogleTest's macros) compile at -O1 in a fraction of the time.
  target_compile_options(${target} PRIVATE ${ZELKA_TEST_OPTIMIZE})
  if(ZELKA_UNITY_TESTS)
    # Six test files to a compile: what they share (GoogleTest's templates, the engine's
    # inline code) is compiled and instrumented once instead of six times.
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 6)
    # GCC takes the merged files for headers and so warns of their fixtures in anonymous
    # namespaces; compiled one by one in the plain tree, they keep the warning.
    target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
  endif()
  set_source_files_properties(${CMAKE_SOURCE_DIR}/tests/support/LeakSuppressions.cpp
    TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_dependencies(${target} zelka_data)
  set(discover DISCOVERY_MODE PRE_TEST WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(NOT arg_LONG)
    gtest_discover_tests(${target} ${discover} PROPERTIES ENVIRONMENT ALSOFT_DRIVERS=null)
    return()
  endif()
  gtest_discover_tests(${target} ${discover} TEST_FILTER "${arg_LONG}"
    PROPERTIES ENVIRONMENT ALSOFT_DRIVERS=null COST 100)
  if(NOT arg_LONG STREQUAL "*")
    gtest_discover_tests(${target} ${discover} TEST_FILTER "-${arg_LONG}"
      PROPERTIES ENVIRONMENT ALSOFT_DRIVERS=null)
  endif()
endfunction()
