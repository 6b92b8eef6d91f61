# Removes what a source install wrote: every file of its manifest, then every folder that the
# install created (cmake/InstallFolders.cmake) and that is empty now, deepest first. Folders
# that were there before the install stay, as do files that others added to its folders.
#
#   cmake -D BUILD_DIR=build [-D COMPONENT=quillet] -P cmake/Uninstall.cmake

set(suffix "")
if(COMPONENT)
  set(suffix "_${COMPONENT}")
endif()
set(manifest "${BUILD_DIR}/install_manifest${suffix}.txt")
set(record "${BUILD_DIR}/install_folders${suffix}.txt")
if(NOT EXISTS "${manifest}")
  message(FATAL_ERROR "${manifest} does not exist: nothing was installed from ${BUILD_DIR}")
endif()

file(STRINGS "${manifest}" files)
foreach(file IN LISTS files)
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()
endforeach()

if(EXISTS "${record}")
  file(STRINGS "${record}" folders)
  list(REMOVE_DUPLICATES folders)
  # Reverse lexical order puts every folder before the folder that holds it.
  list(SORT folders ORDER DESCENDING)
  foreach(folder IN LISTS folders)
    file(GLOB entries "${folder}/*" "${folder}/.*")
    if(IS_DIRECTORY "${folder}" AND NOT entries)
      message(STATUS "Removing ${folder}/")
      file(REMOVE_RECURSE "${folder}")
    endif()
  endforeach()
  file(REMOVE "${record}")
endif()
file(REMOVE "${manifest}")
