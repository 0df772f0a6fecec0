# One library per layer of the application (util, character, app, demo). A layer's headers are
# reachable as "<layer>/Header.h" only by targets that link the layer: each layer exposes a
# directory holding nothing but a link to its own sources, never the project root. So an include
# against the direction of the layers fails to compile instead of building a circle.
function(vantor_layer target layer)
  set(root ${PROJECT_BINARY_DIR}/layers/${layer})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${layer} ${root}/${layer} SYMBOLIC)
  add_library(${target} STATIC)
  vantor_target(${target})
  target_include_directories(${target} PUBLIC ${root})
endfunction()
