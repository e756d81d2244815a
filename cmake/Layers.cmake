# Each layer's library exposes only its own folder to the libraries above it.
# The headers are reached as "<folder>/Header.h" through a folder of the build
# tree that holds a link to that one source folder, so a file that includes
# from a layer it does not link against fails to compile.
function(expose_layer_headers target folder)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
