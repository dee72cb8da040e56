# Runs the LV2 tools on the bundle in BUNDLE_DIR as a user would.
set(ENV{LV2_PATH} "${BUNDLE_DIR}:/usr/lib/lv2")
set(uri "https://quillon.example/plugins/pavonis")

execute_process(COMMAND lv2ls OUTPUT_VARIABLE listed RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT listed MATCHES "${uri}")
  message(FATAL_ERROR "lv2ls does not list ${uri}:\n${listed}")
endif()

execute_process(COMMAND lv2info ${uri} OUTPUT_VARIABLE info RESULT_VARIABLE status)
foreach(expected "Symbol:      midi_in" "Symbol:      midi_out" "Name:        D1 | FilterCutoff"
                 "Name:        Mute Keyboard1" "Symbol:      program" "https://quillon.example/plugins/pavonis#ui")
  string(FIND "${info}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "lv2info does not show \"${expected}\":\n${info}")
  endif()
endforeach()

file(GLOB descriptions ${BUNDLE_DIR}/Pavonis.lv2/*.ttl)
execute_process(COMMAND lv2_validate ${descriptions} OUTPUT_VARIABLE report ERROR_VARIABLE report
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT report MATCHES "Found 0 errors")
  message(FATAL_ERROR "lv2_validate:\n${report}")
endif()
message(STATUS "lv2ls, lv2info and lv2_validate: ${report}")
