# Removes what the last install put in place, as its manifest lists it: the
# files (under the same DESTDIR), then the directories the install created
# (created_dirs.cmake notes them, as they stand on disk), each once it is
# empty. A directory that was there before the install stays.
#   [DESTDIR=...] cmake -DMANIFEST=<build>/install_manifest.txt -P uninstall.cmake
if(NOT EXISTS "${MANIFEST}")
  message(STATUS "Nothing to uninstall: ${MANIFEST} does not exist.")
  return()
endif()
file(STRINGS "${MANIFEST}" installed)
set(dirs "")
foreach(path IN LISTS installed)
  if(path MATCHES "/$")
    list(APPEND dirs "${path}")
    continue()
  endif()
  set(path "$ENV{DESTDIR}${path}")
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing: ${path}")
    file(REMOVE "${path}")
  endif()
endforeach()
# Inner directories first: a directory sorts before everything inside it.
list(SORT dirs)
list(REVERSE dirs)
foreach(dir IN LISTS dirs)
  if(IS_DIRECTORY "${dir}")
    # rmdir leaves a directory that still holds something.
    execute_process(COMMAND rmdir "${dir}" RESULT_VARIABLE kept ERROR_QUIET)
    if(kept EQUAL 0)
      message(STATUS "Removing: ${dir}")
    endif()
  endif()
endforeach()
file(REMOVE "${MANIFEST}")
