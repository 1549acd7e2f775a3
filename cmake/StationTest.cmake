# station_add_test(NAME <target> LABEL <unit|integration|gui> SOURCES ... LIBS ...
#                  [ENVIRONMENT VAR=VALUE ...])
# One GoogleTest executable whose tests CTest discovers one by one.
function(station_add_test)
  cmake_parse_arguments(T "" "NAME;LABEL" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${T_NAME}
    PROPERTIES LABELS ${T_LABEL} ENVIRONMENT "${T_ENVIRONMENT}"
    DISCOVERY_TIMEOUT 60)
endfunction()
