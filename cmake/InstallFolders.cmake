# A source install remembers which folders it created, so that `make uninstall` can remove
# them again once they are empty and leave alone the folders that were there before.
#
# quillet_install() takes the arguments of install() and notes the DESTINATION. Before any file
# is installed, the folders that do not exist yet along the way to each destination are added
# to install_folders.txt (install_folders_<component>.txt for an install of one component)
# beside the install manifest; cmake/Uninstall.cmake reads both.

function(quillet_install)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "DESTINATION" "")
  install(${ARGV})
  set_property(GLOBAL APPEND PROPERTY QUILLET_INSTALL_FOLDERS ${arg_DESTINATION})
endfunction()

# The destinations are known only when every folder has been configured; the install step,
# which comes later, reads them from this file.
set(QUILLET_INSTALL_FOLDERS_FILE ${CMAKE_BINARY_DIR}/quillet_install_folders.cmake)
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quillet_write_install_folders)
function(quillet_write_install_folders)
  get_property(folders GLOBAL PROPERTY QUILLET_INSTALL_FOLDERS)
  list(REMOVE_DUPLICATES folders)
  file(CONFIGURE OUTPUT ${QUILLET_INSTALL_FOLDERS_FILE}
    CONTENT "set(quillet_install_folders \"@folders@\")\n" @ONLY)
endfunction()

# CPack stages its packages inside the build folder; such an install is not one to undo.
install(CODE "
  include(\"${QUILLET_INSTALL_FOLDERS_FILE}\")
  set(record \"${CMAKE_BINARY_DIR}/install_folders.txt\")
  if(CMAKE_INSTALL_COMPONENT)
    set(record \"${CMAKE_BINARY_DIR}/install_folders_\${CMAKE_INSTALL_COMPONENT}.txt\")
  endif()
  set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  string(FIND \"\${root}\" \"${CMAKE_BINARY_DIR}/\" staged)
  if(staged EQUAL 0)
    set(quillet_install_folders \"\")
  endif()
  foreach(folder IN LISTS quillet_install_folders)
    set(path \"\${root}/\${folder}\")
    while(NOT EXISTS \"\${path}\" AND NOT path STREQUAL root)
      file(APPEND \"\${record}\" \"\${path}\\n\")
      get_filename_component(path \"\${path}\" DIRECTORY)
    endwhile()
  endforeach()
")
