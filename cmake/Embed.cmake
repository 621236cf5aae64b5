# quorle_embed_files(target NAMESPACE ns HEADER include/path.h FILES a.png ...)
# A static library holding the bytes of each file as ns::<file name without
# extension>; the header declares them. The files are committed, so a build
# needs no drawing tool.
set(QUORLE_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_file.cmake)

function(quorle_embed_files target)
  cmake_parse_arguments(E "" "NAMESPACE;HEADER" "FILES" ${ARGN})
  set(sources)
  foreach(file IN LISTS E_FILES)
    get_filename_component(name ${file} NAME_WE)
    set(generated ${CMAKE_CURRENT_BINARY_DIR}/embedded/${name}.cpp)
    add_custom_command(OUTPUT ${generated}
      COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${generated} -DNAME=${name}
              -DNAMESPACE=${E_NAMESPACE} -DHEADER=${E_HEADER} -P ${QUORLE_EMBED_SCRIPT}
      DEPENDS ${file} ${QUORLE_EMBED_SCRIPT}
      COMMENT "Embedding ${name}")
    list(APPEND sources ${generated})
  endforeach()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
