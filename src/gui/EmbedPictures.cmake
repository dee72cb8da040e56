# pavonis_embed_pictures(<target> <table> <number> <png file> [<number> <png file> ...])
# Compiles the PNG files into <target> as a table of gui::EmbeddedPicture named <table>, with
# <table>Count entries, for gui::registerPictures(<table>, <table>Count). The files may be
# made at build time by other commands.
set(PAVONIS_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedPictures.cmake CACHE INTERNAL "")

function(pavonis_embed_pictures target table)
  set(pairs ${ARGN})
  list(LENGTH pairs count)
  math(EXPR odd "${count} % 2")
  if(count EQUAL 0 OR odd)
    message(FATAL_ERROR "pavonis_embed_pictures: give pairs of picture number and PNG file")
  endif()
  set(files)
  set(numbers)
  math(EXPR last "${count} - 1")
  foreach(i RANGE 0 ${last} 2)
    math(EXPR j "${i} + 1")
    list(GET pairs ${i} number)
    list(GET pairs ${j} file)
    list(APPEND numbers ${number})
    list(APPEND files ${file})
  endforeach()
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${table}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DTABLE=${table} "-DNUMBERS=${numbers}" "-DFILES=${files}" -DOUTPUT=${output}
            -P ${PAVONIS_EMBED_SCRIPT}
    DEPENDS ${files} ${PAVONIS_EMBED_SCRIPT}
    COMMENT "Embedding pictures into ${table}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()

# Script mode: writes the table's source file.
if(CMAKE_SCRIPT_MODE_FILE AND DEFINED TABLE)
  set(source "// Made by EmbedPictures.cmake from the pictures of the build.\n")
  string(APPEND source "#include \"gui/Pictures.h\"\n\n#include <cstddef>\n\nnamespace\n{\n")
  set(rows "")
  set(index 0)
  foreach(file IN LISTS FILES)
    list(GET NUMBERS ${index} number)
    file(READ ${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)"
                         "\\1\n" bytes "${bytes}")
    string(APPEND source "const unsigned char picture${index}[] = {\n${bytes}};\n")
    string(APPEND rows "    {${number}, picture${index}, sizeof picture${index}},\n")
    math(EXPR index "${index} + 1")
  endforeach()
  string(APPEND source "} // namespace\n\nextern const gui::EmbeddedPicture ${TABLE}[] = {\n${rows}};\n")
  string(APPEND source "extern const std::size_t ${TABLE}Count = ${index};\n")
  file(WRITE ${OUTPUT} "${source}")
endif()
