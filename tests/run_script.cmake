# Runs ignivar-sim on SCRIPT and compares standard output with EXPECTED
# (through RUNNER, when given: node for the WebAssembly build's).
# With STORE, the run starts from an empty settings file kept there.
set(store_args "")
if(STORE)
  file(REMOVE ${STORE})
  set(store_args --store ${STORE})
endif()
execute_process(COMMAND ${RUNNER} ${SIM} ${store_args} ${SCRIPT}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${EXPECTED} want)
if(NOT out STREQUAL want)
  # What it printed goes into the build tree, never beside the script.
  get_filename_component(script_name ${SCRIPT} NAME)
  file(WRITE ${ACTUAL_DIR}/${script_name}.actual "${out}")
  message(FATAL_ERROR "output of ${SCRIPT} differs from ${EXPECTED} (see ${ACTUAL_DIR}/${script_name}.actual); got:\n${out}\nstderr:\n${err}")
endif()
if(NOT rc EQUAL ${WANT_RC})
  message(FATAL_ERROR "exit status ${rc}, expected ${WANT_RC}; stderr:\n${err}")
endif()
