# Part of the install, run before any file is put in place: notes each of the
# game's directories that does not exist yet, and each missing parent up to the
# prefix itself, so that "make uninstall" removes exactly these again (once
# they are empty) and never a directory that was there before. installed_list.cmake
# writes them into the list, relative to the prefix, with a trailing slash
# (the prefix itself is "./").
#
#   TREMAW_INSTALL_DIRS  the directories the files go to, under the prefix
#   sets TREMAW_CREATED_DIRS
# A relative DESTDIR counts from where the install runs, as for the files.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
cmake_path(ABSOLUTE_PATH root BASE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}" NORMALIZE)
set(TREMAW_CREATED_DIRS "")
foreach(dir IN LISTS TREMAW_INSTALL_DIRS)
  cmake_path(NORMAL_PATH dir)
  while(NOT IS_DIRECTORY "${root}/${dir}")
    list(APPEND TREMAW_CREATED_DIRS "${dir}/")
    if(dir STREQUAL ".")
      break()
    endif()
    cmake_path(GET dir PARENT_PATH dir)
    if(dir STREQUAL "")
      set(dir ".")
    endif()
  endwhile()
endforeach()
list(REMOVE_DUPLICATES TREMAW_CREATED_DIRS)
