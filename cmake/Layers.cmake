# Each layer is one library that shows the layers above it only its own
# folder, under that folder's name: sources include "link/CSerialPort.h",
# "wizard/CSetupWizard.h". A target sees its own folder and those of the
# libraries it links, so an include that points up the stack is not found
# and fails the build.
function(quillon_layer target folder)
  get_filename_component(name ${folder} NAME)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${name} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
