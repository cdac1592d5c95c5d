# The package of a Windows build: dist/Setup.exe and dist/Data.set, the
# package holding this build's "Corvane Lumetra.exe" and "Uninstall.exe"
# (the uninstaller once the build has one). The package is made with a vek
# for the build machine, which this build makes itself from the same sources
# (an external project with the host's compiler), so a clean clone needs no
# native build first. `--target package` zips the two files (CPack).
include_guard(GLOBAL)
include(ExternalProject)

set(LUMETRA_HOST_TOOLS ${CMAKE_BINARY_DIR}/host-tools)
set(LUMETRA_HOST_VEK ${LUMETRA_HOST_TOOLS}/bin/vek)
ExternalProject_Add(host_vek
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${LUMETRA_HOST_TOOLS}
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DLUMETRA_BUILD_TESTS=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${LUMETRA_HOST_TOOLS} --target vek
  BUILD_BYPRODUCTS ${LUMETRA_HOST_VEK}
  INSTALL_COMMAND ""
  # The tool's sources are this tree: let its own build decide what changed.
  BUILD_ALWAYS ON
  USES_TERMINAL_BUILD ON)

set(LUMETRA_DIST ${CMAKE_BINARY_DIR}/dist)
set(package_files "$<TARGET_FILE:lumetra>" "Corvane Lumetra.exe")
set(package_targets lumetra)
if(TARGET uninstall)
  list(APPEND package_files "$<TARGET_FILE:uninstall>" "Uninstall.exe")
  list(APPEND package_targets uninstall)
endif()

# Made afresh each time (the archive only appends), under a temporary name
# so that an interrupted build never leaves half a package.
add_custom_command(
  OUTPUT ${LUMETRA_DIST}/Data.set
  COMMAND ${CMAKE_COMMAND} -DVEK=${LUMETRA_HOST_VEK} -DPACKAGE=${LUMETRA_DIST}/Data.set
          "-DFILES=${package_files}" -P ${CMAKE_SOURCE_DIR}/cmake/make-package.cmake
  DEPENDS host_vek ${package_targets} ${CMAKE_SOURCE_DIR}/cmake/make-package.cmake
  COMMENT "Packing Data.set"
  VERBATIM)
add_custom_command(
  OUTPUT ${LUMETRA_DIST}/Setup.exe
  COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMETRA_DIST}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:setup> ${LUMETRA_DIST}/Setup.exe
  DEPENDS setup
  VERBATIM)
add_custom_target(dist ALL DEPENDS ${LUMETRA_DIST}/Data.set ${LUMETRA_DIST}/Setup.exe)

install(FILES ${LUMETRA_DIST}/Setup.exe ${LUMETRA_DIST}/Data.set DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME "Corvane Lumetra")
set(CPACK_PACKAGE_VENDOR "Corvanesoft")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_PACKAGE_FILE_NAME "CorvaneLumetra-${PROJECT_VERSION}-win64")
else()
  set(CPACK_PACKAGE_FILE_NAME "CorvaneLumetra-${PROJECT_VERSION}-win32")
endif()
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_OUTPUT_FILE_PREFIX ${LUMETRA_DIST})
include(CPack)
