# The library's folders, read from cmake/layers.txt (tools/checkLayers.sh reads the same file
# and enforces what each may include). Every folder contributes all of its sources, so a new
# class file needs no edit to any build file.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/layers.txt rudezaze_layer_lines REGEX "^[a-z0-9]+:")
set(RUDEZAZE_SOURCE_DIRS)
foreach(line IN LISTS rudezaze_layer_lines)
  string(REGEX REPLACE ":.*" "" folder "${line}")
  list(APPEND RUDEZAZE_SOURCE_DIRS ${folder})
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/layers.txt)
