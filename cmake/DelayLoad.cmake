# Delay-import libraries of the system DLLs the programs need only for some
# actions (ship/delayload/*.def): such a DLL is loaded when one of its
# functions is first called, not at every start. The delay-load helper comes
# from the mingw-w64 run-time. The functions listed are the only ones the
# programs can take from these DLLs (check-pe.sh checks them as imports).
# The .def files carry the 32-bit decorated names.
#
# lv_delayload: link it to take these DLLs delay-loaded.
file(GLOB LV_DELAYLOAD_DEFS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/ship/delayload/*.def)
set(libs)
set(stubs)
foreach(def ${LV_DELAYLOAD_DEFS})
  get_filename_component(dll ${def} NAME_WE)
  set(arch_def ${CMAKE_BINARY_DIR}/delayload/${dll}.def)
  set(lib ${CMAKE_BINARY_DIR}/delayload/lib${dll}_delay.a)
  file(READ ${def} text)
  string(REGEX MATCHALL "\n[A-Za-z_][A-Za-z0-9_]*@[0-9]+" names "${text}")
  set(kill_at)
  if(LV_TRIPLET MATCHES "^i686")
    # stdcall names keep their decoration for linking and lose it in the
    # names looked up in the DLL.
    set(kill_at -k)
  else()
    string(REGEX REPLACE "@[0-9]+" "" text "${text}")
  endif()
  foreach(name ${names})
    string(STRIP "${name}" name)
    if(LV_TRIPLET MATCHES "^i686")
      list(APPEND stubs "LINKER:-u,_${name}")
    else()
      string(REGEX REPLACE "@[0-9]+$" "" name "${name}")
      list(APPEND stubs "LINKER:-u,${name}")
    endif()
  endforeach()
  file(WRITE ${arch_def}.in "${text}")
  configure_file(${arch_def}.in ${arch_def} COPYONLY)
  add_custom_command(OUTPUT ${lib}
    COMMAND ${LV_TRIPLET}-dlltool --input-def ${arch_def} --output-delaylib ${lib} ${kill_at}
    DEPENDS ${arch_def} VERBATIM)
  list(APPEND libs ${lib})
endforeach()
add_custom_target(lv_delayload_libs DEPENDS ${libs})
add_library(lv_delayload INTERFACE)
add_dependencies(lv_delayload lv_delayload_libs)
target_link_libraries(lv_delayload INTERFACE ${libs})
# Calls through the import table (dllimport) reach only the table entry,
# whose first value is the stub that loads the DLL: GNU ld leaves a stub out
# that no code names (binutils bug 14339), and the call then jumps to 0.
# Each stub is named here so that it stays.
target_link_options(lv_delayload INTERFACE ${stubs})
