# cmake -DNM=<nm> -DPLUGIN=<module> -P CheckExports.cmake
# Fails unless the module's dynamic symbol table defines exactly VSTPluginMain.
execute_process(COMMAND ${NM} -D --defined-only ${PLUGIN}
  OUTPUT_VARIABLE listing RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nm failed on ${PLUGIN}: ${errors}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
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
