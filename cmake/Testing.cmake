# GoogleTest for both configurations. The host build uses the system's
# libgtest; the win64 build compiles Debian's googletest sources with the cross
# compiler.
if(WIN32)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()

set(LETLOOM_REPORTS ${CMAKE_BINARY_DIR}/reports)
set(LETLOOM_WINE_DIR ${CMAKE_BINARY_DIR}/wine)

# letloom_add_gtest(name sources... LIBS libs...)
# One CTest test per program; each writes its GoogleTest report to
# reports/<name>.xml, which scripts/test sums up. Windows programs run under
# Wine inside the run's one prefix and display (fixture "wine").
function(letloom_add_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
  target_compile_options(${name} PRIVATE -Wall -Wextra)
  if(NOT WIN32)
    target_compile_options(${name} PRIVATE ${LETLOOM_SANITIZE})
  endif()
  set(report ${LETLOOM_REPORTS}/${name}.xml)
  if(WIN32)
    # The program runs under Wine, where the build machine's root is drive Z:.
    string(REPLACE "/" "\\" report "Z:${report}")
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:${report})
  if(WIN32)
    set_tests_properties(${name} PROPERTIES
      FIXTURES_REQUIRED wine RESOURCE_LOCK display
      ENVIRONMENT "LETLOOM_WINE_DIR=${LETLOOM_WINE_DIR}")
  endif()
endfunction()

if(WIN32)
  # One prefix, display and wineserver for the whole run.
  set(LETLOOM_WINE_RUN ${CMAKE_SOURCE_DIR}/cmake/wine-run)
  add_test(NAME wine.start COMMAND ${LETLOOM_WINE_RUN} --start)
  add_test(NAME wine.stop COMMAND ${LETLOOM_WINE_RUN} --stop)
  set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine
    ENVIRONMENT "LETLOOM_WINE_DIR=${LETLOOM_WINE_DIR}")
  set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine
    ENVIRONMENT "LETLOOM_WINE_DIR=${LETLOOM_WINE_DIR}")
endif()
