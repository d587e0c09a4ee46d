# Part of the install, run before any file is put in place: notes each of the
# game's directories that does not exist yet, and each missing parent, in the
# install manifest, so that "make uninstall" removes exactly these again (once
# they are empty) and never a directory that was there before. A directory is
# noted as it stands on disk, DESTDIR included, with a trailing slash.
#
# One that the last install (the manifest named by TREMAW_PREVIOUS_MANIFEST in
# the environment) noted is still the game's own: installing twice and
# removing once leaves the prefix as it was before the first.
#
#   TREMAW_INSTALL_DIRS  the directories the files go to, under the prefix
set(earlier "")
if(NOT "$ENV{TREMAW_PREVIOUS_MANIFEST}" STREQUAL "" AND EXISTS "$ENV{TREMAW_PREVIOUS_MANIFEST}")
  file(STRINGS "$ENV{TREMAW_PREVIOUS_MANIFEST}" earlier REGEX "/$")
endif()
# A relative DESTDIR counts from where the install runs, as for the files.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
cmake_path(ABSOLUTE_PATH root BASE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}" NORMALIZE)
set(created "")
foreach(dir IN LISTS TREMAW_INSTALL_DIRS)
  cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY "${root}" NORMALIZE)
  while(NOT dir STREQUAL "/")
    list(FIND earlier "${dir}/" noted)
    if(IS_DIRECTORY "${dir}" AND noted EQUAL -1)
      break()
    endif()
    list(APPEND created "${dir}/")
    cmake_path(GET dir PARENT_PATH dir)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES created)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES ${created})
