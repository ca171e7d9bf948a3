# The shipped programs (ship/programs.tsv): each gets the icon, the
# manifest and a version resource, the ANSI stand-ins of the run-time's
# UTF-16 calls, its PE header asks for Windows 4.0, and
# it goes into the archive that `--target package` makes (CPack, ZIP).

file(STRINGS ${CMAKE_SOURCE_DIR}/ship/programs.tsv lv_ship_lines REGEX "^[^#]")
string(REPLACE "." "," LV_VERSION_COMMAS "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
set(LV_ICON_FILE ${LV_SKIN_DIR}/lumivane3.ico)
set(LV_MANIFEST_FILE ${CMAKE_SOURCE_DIR}/ship/program.manifest)

set(LV_README_PROGRAMS "")
foreach(lv_line IN LISTS lv_ship_lines)
  string(REPLACE "\t" ";" lv_fields "${lv_line}")
  list(GET lv_fields 0 LV_TARGET)
  list(GET lv_fields 1 LV_FILE_DESCRIPTION)
  if(NOT TARGET ${LV_TARGET})
    message(FATAL_ERROR "ship/programs.tsv names ${LV_TARGET}, which is no target")
  endif()
  set(lv_rc ${CMAKE_BINARY_DIR}/ship/${LV_TARGET}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/ship/program.rc.in ${lv_rc} @ONLY)
  target_sources(${LV_TARGET} PRIVATE ${lv_rc} ${CMAKE_SOURCE_DIR}/src/platform/win32/runtime/AnsiRuntime.c)
  # The icon is painted with the skin.
  set_source_files_properties(${lv_rc} TARGET_DIRECTORY ${LV_TARGET} PROPERTIES
    OBJECT_DEPENDS "${LV_ICON_FILE};${LV_MANIFEST_FILE}")
  add_dependencies(${LV_TARGET} lv_skin)
  # Windows 95 and NT 4.0 load nothing that asks for a later version.
  target_link_options(${LV_TARGET} PRIVATE
    -Wl,--major-os-version,4,--minor-os-version,0,--major-subsystem-version,4,--minor-subsystem-version,0)
  install(TARGETS ${LV_TARGET} RUNTIME DESTINATION .)
  string(APPEND LV_README_PROGRAMS "  ${LV_TARGET}.exe: ${LV_FILE_DESCRIPTION}\r\n")
endforeach()

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86")
  set(lv_package_system win32)
else()
  set(lv_package_system win64)
endif()
configure_file(${CMAKE_SOURCE_DIR}/ship/README.txt ${CMAKE_BINARY_DIR}/ship/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/ship/README.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
# Without the symbol tables: the programs shrink to a fraction.
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_NAME Lumivane3)
set(CPACK_PACKAGE_VENDOR "Lumivane")
set(CPACK_PACKAGE_FILE_NAME Lumivane3-${PROJECT_VERSION}-${lv_package_system})
# Unpacked, the programs lie in one folder of that name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)

# The installer (NSIS, `--target installer`), for the 32-bit build: made
# from the files of the archive itself, which this target makes first
# (stripping stamps each program with the time, so two stagings would differ).
# The Updater's window and program name come from the one place the programs
# take them from.
if(lv_package_system STREQUAL "win32")
  find_program(LV_MAKENSIS makensis REQUIRED)
  file(STRINGS ${CMAKE_SOURCE_DIR}/src/base/ProgramIdentities.h lv_updater_line
       REGEX "constexpr ProgramIdentity UpdaterIdentity\\{")
  string(REGEX MATCH "\\{\"([^\"]*)\", \"([^\"]*)\", \"([^\"]*)\"\\}" lv_match "${lv_updater_line}")
  set(LV_UpdaterWindowClass "${CMAKE_MATCH_1}")
  set(LV_UpdaterWindowTitle "${CMAKE_MATCH_2}")
  set(LV_UpdaterProgram "${CMAKE_MATCH_3}")
  if(NOT LV_UpdaterWindowClass OR NOT LV_UpdaterWindowTitle OR NOT LV_UpdaterProgram)
    message(FATAL_ERROR "src/base/ProgramIdentities.h no longer names the Updater's class, title and program")
  endif()
  set(lv_stage ${CMAKE_BINARY_DIR}/installer)
  set(lv_archive Lumivane3-${PROJECT_VERSION}-${lv_package_system})
  set(LV_SETUP_FILE ${CMAKE_BINARY_DIR}/Lumivane3-${PROJECT_VERSION}-setup.exe)
  add_custom_target(installer
    COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${lv_stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${lv_stage}
    COMMAND ${CMAKE_COMMAND} -E chdir ${lv_stage} ${CMAKE_COMMAND} -E tar xf
      ${CMAKE_BINARY_DIR}/${lv_archive}.zip
    COMMAND ${LV_MAKENSIS} -V2 -NOCD
      -DVERSION=${PROJECT_VERSION} -DVERSION4=${PROJECT_VERSION}.0
      -DFILES=${lv_stage}/${lv_archive} -DOUTFILE=${LV_SETUP_FILE} -DICON=${LV_ICON_FILE}
      -DUPDATER_CLASS=${LV_UpdaterWindowClass} -DUPDATER_TITLE=${LV_UpdaterWindowTitle}
      -DUPDATER_PROGRAM=${LV_UpdaterProgram}
      ${CMAKE_SOURCE_DIR}/ship/installer.nsi
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Making ${lv_archive}.zip and Lumivane3-${PROJECT_VERSION}-setup.exe"
    VERBATIM)
  foreach(lv_line IN LISTS lv_ship_lines)
    string(REGEX REPLACE "\t.*" "" lv_target "${lv_line}")
    add_dependencies(installer ${lv_target})
  endforeach()
endif()
