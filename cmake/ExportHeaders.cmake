# Each library exports its own headers and no others. Sources name headers from the project's
# root ("poly/quartic.h"), so a library exports a folder of the build tree that holds one
# link, named like the library's source folder, to that folder:
#   build/include/quillet_poly/poly -> poly/
# A file finds "poly/quartic.h" only if its target links the library that owns poly/, and a
# file that includes a header of a library its target does not link fails to build.
function(quillet_export_headers target folder)
  set(exported ${PROJECT_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${exported})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${exported}/${folder} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${exported})
  else()
    target_include_directories(${target} PUBLIC ${exported})
  endif()
endfunction()
