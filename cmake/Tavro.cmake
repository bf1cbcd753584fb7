# Helpers shared by every folder's CMakeLists.

# Warnings for our own code.
function(tavro_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# tavro_test(NAME <exe> SOURCES ... LIBS ... [GUI])
# One GoogleTest executable, each of its tests registered with CTest. Every test
# process runs in fresh settings, state and temporary folders (see TestMain.cpp).
function(tavro_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  tavro_warnings(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE TavroTestSupport ${T_LIBS} GTest::gtest GTest::gmock)
  set(env "QT_QPA_PLATFORM=offscreen" "TAVRO_TEST_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
          "TAVRO_TEST_BINARY_DIR=${CMAKE_BINARY_DIR}")
  gtest_discover_tests(${T_NAME} TEST_PREFIX "${T_NAME}." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()
