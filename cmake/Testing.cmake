# GoogleTest: the host's prebuilt copy natively, Debian's sources for MinGW.
# Windows tests run under Wine in a private prefix that a fixture prepares once
# per test run (see cmake/wine-prefix.sh); nothing from an earlier run is reused.
# The x86 build's prefix is a 32-bit Windows (WINEARCH=win32), the x64
# build's a 64-bit one (WoW64 when wine32 is installed).
if(NOT LUMETRA_BUILD_TESTS)
  return()
endif()
enable_testing()

if(WIN32)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL)
  # googletest's own sources trip some of our warnings; they are not ours to fix.
  foreach(t gtest gtest_main)
    target_compile_options(${t} PRIVATE -w)
  endforeach()
  set(LUMETRA_WINE_ROOT ${CMAKE_BINARY_DIR}/wine)
  # A second prefix whose screen is at 144 DPI, for the checks that windows
  # grow with the DPI; tests that use it require the fixture wine144.
  set(LUMETRA_WINE_ROOT_144 ${CMAKE_BINARY_DIR}/wine-144dpi)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${LUMETRA_WINE_ROOT})
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# lumetra_add_test(NAME name SOURCES ... LIBS ... [LABELS ...])
# One test executable registered as a single CTest test; Windows tests
# depend on the Wine prefix fixture.
function(lumetra_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
  if(WIN32 AND NOT LUMETRA_CAN_RUN_TESTS)
    return()
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(T_LABELS)
    set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}")
  endif()
  if(WIN32)
    set_tests_properties(${T_NAME} PROPERTIES FIXTURES_REQUIRED wine)
  endif()
endfunction()

if(WIN32 AND LUMETRA_CAN_RUN_TESTS)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(LUMETRA_WINE_ARCH win32)
  else()
    set(LUMETRA_WINE_ARCH win64)
  endif()
  add_test(NAME wine.prefix COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-prefix.sh ${LUMETRA_WINE_ROOT})
  set_tests_properties(wine.prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
  add_test(NAME wine.prefix.144 COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-prefix.sh ${LUMETRA_WINE_ROOT_144} 144)
  set_tests_properties(wine.prefix.144 PROPERTIES FIXTURES_SETUP wine144 TIMEOUT 180)
  # A new prefix shows Wine's "being updated" window on the run's display:
  # made while a desktop test runs, it would stand in that test's pictures.
  set_tests_properties(wine.prefix wine.prefix.144 PROPERTIES ENVIRONMENT "WINEARCH=${LUMETRA_WINE_ARCH}"
    RESOURCE_LOCK wine_desktop)
endif()

# Tests that show windows or drive input under Wine share the prefix's desktop
# (foreground window, focus, cursor), which the wineserver keeps and binds to
# the first X display it meets; so they all use the run's display and take
# turns, and none steals another's focus or clicks into another's window.
function(lumetra_desktop_tests)
  if(WIN32 AND LUMETRA_CAN_RUN_TESTS)
    set_tests_properties(${ARGN} PROPERTIES RESOURCE_LOCK wine_desktop)
  endif()
endfunction()
