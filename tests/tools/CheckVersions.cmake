# cmake -DVERSION=<x.y.z> "-DPROGRAMS=<path>|<path>..." -DANSWERS=<plugin_answers> -DPLUGIN=<module>
#       -DCHUNK=<state chunk> -DLV2_TTL=<Pavonis.ttl> -P CheckVersions.cmake
# Every program's --version prints "<its file name> <x.y.z>" and status 0, the plug-in gives
# hosts x × 1000 + y × 100 + z (1001 for 1.0.1) as its vendor version and in its record, and
# the LV2 bundle says version (2y + 2).(2z): even numbers and a minor version above 0, which
# LV2 hosts take for a release, growing with every release of one major version.
string(REPLACE "|" ";" programs "${PROGRAMS}")
foreach(path IN LISTS programs)
  get_filename_component(name "${path}" NAME)
  execute_process(COMMAND ${path} --version OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT out STREQUAL "${name} ${VERSION}\n")
    message(SEND_ERROR "${name} --version: status ${status}, printed \"${out}\" (${err}); expected \"${name} ${VERSION}\"")
  endif()
endforeach()

string(REPLACE "." ";" parts "${VERSION}")
list(GET parts 0 major)
list(GET parts 1 minor)
list(GET parts 2 patch)
math(EXPR number "${major} * 1000 + ${minor} * 100 + ${patch}")
execute_process(COMMAND ${ANSWERS} ${PLUGIN} ${CHUNK} OUTPUT_VARIABLE answers RESULT_VARIABLE status)
if(NOT answers MATCHES "\nvendor version ${number}\n")
  message(SEND_ERROR "the plug-in's vendor version is not ${number} (status ${status})")
endif()
if(NOT answers MATCHES "\nunique id [0-9a-f]+ version ${number} ")
  message(SEND_ERROR "the plug-in record's version is not ${number}")
endif()

math(EXPR lv2_minor "2 * ${minor} + 2")
math(EXPR lv2_micro "2 * ${patch}")
file(READ ${LV2_TTL} ttl)
if(NOT ttl MATCHES "\n    lv2:minorVersion ${lv2_minor} ;\n    lv2:microVersion ${lv2_micro} ;\n")
  message(SEND_ERROR "the LV2 bundle does not say version ${lv2_minor}.${lv2_micro}")
endif()
