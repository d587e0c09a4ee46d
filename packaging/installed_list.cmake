# Part of the install, run after the last file is put in place: writes the list
# of what the install put under the prefix into the installed tree itself, so
# that "make uninstall" with the same PREFIX and DESTDIR finds it whatever
# became of the build directory. One path a line, relative to the prefix:
# the files, this list among them, and the directories the install created
# (created_dirs.cmake), with a trailing slash. What an earlier install listed
# and is still there stays on the list: a directory the first of two installs
# created is still the game's own.
#
#   TREMAW_LIST  the list's path under the prefix
#   TREMAW_CREATED_DIRS  from created_dirs.cmake
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
cmake_path(ABSOLUTE_PATH root BASE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}" NORMALIZE)
set(list "${root}/${TREMAW_LIST}")
set(entries ${TREMAW_CREATED_DIRS} "${TREMAW_LIST}")
foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
  cmake_path(RELATIVE_PATH file BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}")
  list(APPEND entries "${file}")
endforeach()
if(EXISTS "${list}")
  # The earlier list is read as input: only paths inside the prefix count.
  file(STRINGS "${list}" earlier REGEX "^[^#]")
  foreach(entry IN LISTS earlier)
    cmake_path(NORMAL_PATH entry OUTPUT_VARIABLE normal)
    if(NOT IS_ABSOLUTE "${entry}" AND NOT normal MATCHES "^\\.\\.(/|$)"
       AND (EXISTS "${root}/${entry}" OR IS_SYMLINK "${root}/${entry}"))
      list(APPEND entries "${entry}")
    endif()
  endforeach()
endif()
list(REMOVE_DUPLICATES entries)
list(SORT entries)
list(JOIN entries "\n" lines)
message(STATUS "Installing: ${list}")
# Written beside and renamed, so that a failed write keeps the earlier list.
file(WRITE "${list}.new" "# Kolvar Backgammon: what \"make install\" put under this prefix.\n${lines}\n")
file(RENAME "${list}.new" "${list}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_PREFIX}/${TREMAW_LIST}")
