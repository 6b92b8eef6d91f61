# quillet_gzip(TARGET OUTPUT_FOLDER FILES...): compresses each file into OUTPUT_FOLDER as
# Debian wants it (best compression, no name or time stamp inside, so that every build gives
# the same bytes) and builds them with the target, which is part of the default build.
find_program(GZIP gzip REQUIRED)

function(quillet_gzip target folder)
  set(outputs "")
  foreach(source IN LISTS ARGN)
    get_filename_component(name ${source} NAME)
    set(output ${folder}/${name}.gz)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${GZIP} -9n -c ${source} > ${output}
      DEPENDS ${source}
      COMMENT "Compressing ${name}")
    list(APPEND outputs ${output})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
