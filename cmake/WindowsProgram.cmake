# lumetra_add_windows_program(TARGET target OUTPUT_NAME "Shipped Name"
#     EXECUTION_LEVEL asInvoker|requireAdministrator DESCRIPTION "..."
#     [CONSOLE] SOURCES ... LIBS ...)
# A shipped Windows program: GUI subsystem (unless CONSOLE), statically linked,
# with an application manifest (common controls 6, per-monitor DPI awareness,
# the execution level), a version resource and the application icon (resource
# id 1), which the project's own generator draws at build time. Release
# programs carry no symbols or debug sections, and no program carries a link
# timestamp or the build folder's path, so two builds of one commit give the
# same bytes.
include_guard(GLOBAL)

find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(LUMETRA_ICON_GENERATOR ${CMAKE_SOURCE_DIR}/tools/artwork/make_icon.py)
set(LUMETRA_APP_ICON ${CMAKE_BINARY_DIR}/generated/lumetra.ico)

if(EXISTS ${LUMETRA_ICON_GENERATOR})
  add_custom_command(
    OUTPUT ${LUMETRA_APP_ICON}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
    COMMAND ${Python3_EXECUTABLE} ${LUMETRA_ICON_GENERATOR} ${LUMETRA_APP_ICON}
    DEPENDS ${LUMETRA_ICON_GENERATOR}
    COMMENT "Drawing the application icon"
    VERBATIM)
  add_custom_target(lumetra_app_icon DEPENDS ${LUMETRA_APP_ICON})
endif()

function(lumetra_add_windows_program)
  cmake_parse_arguments(P "CONSOLE" "TARGET;OUTPUT_NAME;EXECUTION_LEVEL;DESCRIPTION" "SOURCES;LIBS" ${ARGN})
  if(NOT P_EXECUTION_LEVEL)
    set(P_EXECUTION_LEVEL asInvoker)
  endif()
  set(PROGRAM_ID ${P_TARGET})
  set(PROGRAM_FILE "${P_OUTPUT_NAME}.exe")
  set(PROGRAM_DESCRIPTION "${P_DESCRIPTION}")
  set(PROGRAM_EXECUTION_LEVEL ${P_EXECUTION_LEVEL})
  set(gen ${CMAKE_BINARY_DIR}/generated/${P_TARGET})
  set(PROGRAM_MANIFEST ${gen}/app.manifest)
  if(TARGET lumetra_app_icon)
    set(PROGRAM_ICON_LINE "1 ICON \"${LUMETRA_APP_ICON}\"")
  else()
    set(PROGRAM_ICON_LINE "")
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/cmake/resources/app.manifest.in ${PROGRAM_MANIFEST} @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/resources/app.rc.in ${gen}/app.rc @ONLY)
  # The resource compiler reports no dependencies: name the manifest (and
  # below, the icon) it embeds, so that a changed manifest (such as its
  # execution level) is built into the program instead of an old one.
  set_source_files_properties(${gen}/app.rc PROPERTIES OBJECT_DEPENDS ${PROGRAM_MANIFEST})

  # plain_terminate.cpp stands in for the C++ library's terminate handler and
  # its demangler, plain_library_errors.cpp for its misuse reports and their
  # copy-on-write strings; linked directly, as archive members they would
  # never be used.
  set(sources ${P_SOURCES} ${PROJECT_SOURCE_DIR}/runtime/win32/plain_terminate.cpp
    ${PROJECT_SOURCE_DIR}/runtime/win32/plain_library_errors.cpp ${gen}/app.rc)
  if(P_CONSOLE)
    add_executable(${P_TARGET} ${sources})
  else()
    add_executable(${P_TARGET} WIN32 ${sources})
  endif()
  set_target_properties(${P_TARGET} PROPERTIES OUTPUT_NAME "${P_OUTPUT_NAME}")
  target_link_libraries(${P_TARGET} PRIVATE ${P_LIBS})
  # Two builds of one commit give the same bytes: stripped, no link time stamp.
  target_link_options(${P_TARGET} PRIVATE $<$<CONFIG:Release>:-s> LINKER:--no-insert-timestamp)
  target_compile_options(${P_TARGET} PRIVATE -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=
    -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
  if(TARGET lumetra_app_icon)
    add_dependencies(${P_TARGET} lumetra_app_icon)
    set_property(SOURCE ${gen}/app.rc APPEND PROPERTY OBJECT_DEPENDS ${LUMETRA_APP_ICON})
  endif()
endfunction()
