# Fixed runs of both simulations, hashed: any change of code, compiler flags or build
# type that alters a single digit of their output fails here. When a change is meant
# to alter results, say so in its commit and paste the new hashes printed on failure.
#   cmake -DSIMTRACE=build/bin/simtrace -P tools/simtrace/determinism.cmake
set(runs
  "gyroscope --gravity 2.5 --seconds 5"
  "freebody --example 2 --seconds 5")
set(expected
  42b5c1abe78ed2f6fcbca22677ce3a036b1beb1d1a778a71622927e8be296a99
  9ffef99b6bd1f64769474807265812687bd88d8a973cc6241b1c5bac6c662f04)

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
