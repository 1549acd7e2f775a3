# station_add_test(NAME <target> LABEL <unit|integration|gui> SOURCES ... LIBS ...
#                  [ENVIRONMENT VAR=VALUE ...] [RESOURCE_LOCK <name>])
# One GoogleTest executable whose tests CTest discovers one by one. Tests that share a
# machine-wide resource (a fixed path or port) name it in RESOURCE_LOCK, so that a parallel
# ctest runs them one at a time.

# The slowest test takes seconds; one that hangs (a server never told to stop) fails in
# minutes instead of holding the suite for CTest's default of 25. Every test sets it.
set(STATION_TEST_TIMEOUT 300)

function(station_add_test)
  cmake_parse_arguments(T "" "NAME;LABEL;RESOURCE_LOCK" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  # A list value would be split into separate properties: keep its separators escaped.
  string(REPLACE ";" "\\;" environment "${T_ENVIRONMENT}")
  set(properties LABELS ${T_LABEL} ENVIRONMENT "${environment}" TIMEOUT ${STATION_TEST_TIMEOUT})
  if(T_RESOURCE_LOCK)
    list(APPEND properties RESOURCE_LOCK ${T_RESOURCE_LOCK})
  endif()
  gtest_discover_tests(${T_NAME} PROPERTIES ${properties} DISCOVERY_TIMEOUT 60)
endfunction()
