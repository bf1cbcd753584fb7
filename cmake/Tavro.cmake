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
  # One variable only: gtest_discover_tests splits a property's list apart. The
  # test main sets the source and binary folders (TAVRO_TEST_SOURCE_DIR, ...).
  gtest_discover_tests(${T_NAME} TEST_PREFIX "${T_NAME}." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
