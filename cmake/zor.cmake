# zor_library(<target> <folder> [deps...])
# One library per source folder; every .cpp directly in the folder belongs to it.
# A folder without sources yet gives an interface library so that dependants still link.
function(zor_library target folder)
  file(GLOB _src CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.cpp")
  if(_src)
    add_library(${target} STATIC ${_src})
    target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${target} PUBLIC ${ARGN})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${target} INTERFACE ${ARGN})
  endif()
endfunction()

# zor_tests(<target> <folder> [deps...])
# One test executable per test folder; every .cpp directly in the folder belongs to it.
function(zor_tests target folder)
  file(GLOB _src CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.cpp")
  if(NOT _src)
    return()
  endif()
  add_executable(${target} ${_src})
  target_link_libraries(${target} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  # GoogleTest's headers are the heaviest part of every test file: compile them once per executable.
  target_precompile_headers(${target} PRIVATE <gtest/gtest.h>)
  # GCC 12 misreads the length of a temporary std::string extended by a literal once libstdc++'s copy is
  # inlined (std::string(13, ' ') + "...", the form of the tests' expected lines) and reports an access
  # beyond the small-string buffer or an overlapping copy: false positives of that release, which its
  # middle end reports under whichever of these four names comes first. Only the tests are spared them;
  # the program's own code keeps every warning.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-restrict -Wno-stringop-overflow
                                             -Wno-stringop-overread)
  endif()
  target_compile_definitions(${target} PRIVATE
    ZOR_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    ZOR_SHIPPED_DATA="${PROJECT_SOURCE_DIR}/data"
    ZOR_EXAMPLES="${PROJECT_SOURCE_DIR}/examples")
  gtest_discover_tests(${target}
    WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 600
    DISCOVERY_MODE PRE_TEST)
endfunction()
