# Run by CPack once it has installed the package's files into its staging folder: the
# package's Depends, from what its ELF files link (dpkg-shlibdeps), nothing needed only to
# build. CPack's own way (CPACK_DEBIAN_PACKAGE_SHLIBDEPS) would also add maintainer scripts that
# run ldconfig, for the plug-in under /usr/lib which no program links; without scripts,
# removing the package leaves nothing of it behind.
set(staging ${CPACK_TEMPORARY_DIRECTORY})
file(GLOB_RECURSE files LIST_DIRECTORIES false ${staging}/*)
list(SORT files)
set(elf_files)
foreach(file IN LISTS files)
  if(NOT IS_SYMLINK ${file})
    file(READ ${file} magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
      list(APPEND elf_files ${file})
    endif()
  endif()
endforeach()
# dpkg-shlibdeps looks for debian/control in the folder it runs in.
set(work ${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps)
file(MAKE_DIRECTORY ${work}/debian)
file(WRITE ${work}/debian/control "")
execute_process(COMMAND dpkg-shlibdeps -O ${elf_files} WORKING_DIRECTORY ${work}
  OUTPUT_VARIABLE found ERROR_VARIABLE problems RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT found MATCHES "^shlibs:Depends=([^\n]+)")
  message(FATAL_ERROR "dpkg-shlibdeps on ${elf_files}: ${problems}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
