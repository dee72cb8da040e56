# cmake -DNM=<nm> -DOBJDUMP=<objdump> -DPLUGIN=<module> -DWINDOWS=<bool> -P CheckExports.cmake
# Linux: fails unless the module's dynamic symbol table defines exactly VSTPluginMain.
# Windows: fails unless the DLL exports exactly VSTPluginMain and main, and imports from
# Windows' own DLLs only (the C++ runtime is linked in).
cmake_policy(SET CMP0057 NEW) # IN_LIST

# The lines that a tool prints about the module.
function(listing_lines tool)
  execute_process(COMMAND ${tool} ${ARGN} ${PLUGIN}
    OUTPUT_VARIABLE listing RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${tool} failed on ${PLUGIN}: ${errors}")
  endif()
  string(REGEX MATCHALL "[^\n]+" found "${listing}")
  set(lines "${found}" PARENT_SCOPE)
endfunction()

if(WINDOWS)
  listing_lines(${OBJDUMP} -p)
  set(exported "")
  set(imported "")
  set(in_names OFF)
  foreach(line IN LISTS lines)
    if(line MATCHES "^\\[Ordinal/Name Pointer\\] Table")
      set(in_names ON)
    elseif(in_names AND line MATCHES "^\t\\[ *[0-9]+\\] ([^ ]+)$")
      list(APPEND exported "${CMAKE_MATCH_1}")
    else()
      set(in_names OFF)
    endif()
    if(line MATCHES "DLL Name: (.+)$")
      string(TOLOWER "${CMAKE_MATCH_1}" dll)
      list(APPEND imported "${dll}")
    endif()
  endforeach()
  if(NOT exported STREQUAL "VSTPluginMain;main")
    message(FATAL_ERROR "Pavonis.dll must export only VSTPluginMain and main; it exports: ${exported}")
  endif()
  set(system_dlls kernel32.dll user32.dll gdi32.dll gdiplus.dll winmm.dll shell32.dll ole32.dll oleaut32.dll
    advapi32.dll shlwapi.dll msvcrt.dll comctl32.dll imm32.dll)
  foreach(dll IN LISTS imported)
    if(NOT dll IN_LIST system_dlls AND NOT dll MATCHES "^api-ms-win-crt-")
      message(FATAL_ERROR "Pavonis.dll imports ${dll}, which Windows does not have; imports: ${imported}")
    endif()
  endforeach()
  message(STATUS "Pavonis.dll exports only VSTPluginMain and main; imports ${imported}")
  return()
endif()

listing_lines(${NM} -D --defined-only)
set(exported "")
foreach(line IN LISTS lines)
  # "<address> <type> <name>[@version]"; absolute version nodes (type A) are not code.
  if(line MATCHES "^[0-9a-fA-F]* *([A-Za-z]) ([^@ ]+)")
    if(NOT CMAKE_MATCH_1 STREQUAL "A")
      list(APPEND exported "${CMAKE_MATCH_2}")
    endif()
  endif()
endforeach()
if(NOT exported STREQUAL "VSTPluginMain")
  message(FATAL_ERROR "Pavonis.so must export only VSTPluginMain; it exports: ${exported}")
endif()
message(STATUS "Pavonis.so exports only VSTPluginMain")
