# Fixed runs of both simulations, hashed: any change of code, compiler flags or build
# type that alters a single digit of their output fails here. When a change is meant
# to alter results, say so in its commit and paste the new hashes printed on failure.
#   cmake -DSIMTRACE=build/bin/simtrace -P tools/simtrace/determinism.cmake
set(runs
  "gyroscope --gravity 2.5 --seconds 5"
  "freebody --example 2 --seconds 5")
set(expected
  fc2deb417d14c78fc94df7e21fe3838195012f52204f3ab5d2812677a5813d06
  ae3a228c087bd2daeebd388d552b80e238dcbd3833ebc3f6597ff28b238950c3)

set(failed FALSE)
foreach(run hash IN ZIP_LISTS runs expected)
  separate_arguments(arguments UNIX_COMMAND "${run}")
  execute_process(COMMAND ${SIMTRACE} ${arguments} OUTPUT_VARIABLE rows RESULT_VARIABLE status)
  string(SHA256 actual "${rows}")
  if(NOT status EQUAL 0 OR NOT actual STREQUAL hash)
    message(SEND_ERROR "simtrace ${run}: exit ${status}, hash ${actual}, expected ${hash}")
    set(failed TRUE)
  endif()
endforeach()
if(NOT failed)
  message(STATUS "both runs match their hashes")
endif()
