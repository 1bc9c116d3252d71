# Runs ignivar-sim on SCRIPT and compares standard output with EXPECTED.
execute_process(COMMAND ${SIM} ${ARGS} ${SCRIPT}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${EXPECTED} want)
if(NOT out STREQUAL want)
  file(WRITE ${SCRIPT}.actual "${out}")
  message(FATAL_ERROR "output of ${SCRIPT} differs from ${EXPECTED}; got:\n${out}\nstderr:\n${err}")
endif()
if(NOT rc EQUAL ${WANT_RC})
  message(FATAL_ERROR "exit status ${rc}, expected ${WANT_RC}; stderr:\n${err}")
endif()
