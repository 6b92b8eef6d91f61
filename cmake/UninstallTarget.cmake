# `cmake --build build --target uninstall` (or `make uninstall`) undoes `make install`.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -D BUILD_DIR=${CMAKE_BINARY_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/Uninstall.cmake
  COMMENT "Removing the files and folders that the install wrote"
  VERBATIM)
