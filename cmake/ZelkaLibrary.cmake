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

# One test executable per test file: a broken or crashing file never hides the others.
function(zelka_tests folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  foreach(source ${sources})
    get_filename_component(stem ${source} NAME_WE)
    set(target ${folder}_${stem})
    add_executable(${target} ${source} ${CMAKE_SOURCE_DIR}/tests/support/LeakSuppressions.cpp)
    target_link_libraries(${target} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main GTest::gmock)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_dependencies(${target} zelka_data)
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
      WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
      PROPERTIES ENVIRONMENT ALSOFT_DRIVERS=null)
  endforeach()
endfunction()
