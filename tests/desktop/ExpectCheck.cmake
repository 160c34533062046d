# Runs `PROGRAM --check CATALOGUE` and fails unless it exited with EXPECTED_STATUS and printed a line that
# contains EXPECTED_LINE. A missing catalogue file fails too, so the test cannot pass on a lost fixture.
if(NOT EXISTS "${CATALOGUE}")
  message(FATAL_ERROR "The catalogue ${CATALOGUE} does not exist")
endif()
execute_process(COMMAND "${PROGRAM}" --check "${CATALOGUE}" RESULT_VARIABLE status OUTPUT_VARIABLE output
                ERROR_VARIABLE output)
message("${output}")
if(NOT status EQUAL EXPECTED_STATUS)
  message(FATAL_ERROR "koltest --check exited with ${status}, expected ${EXPECTED_STATUS}")
endif()
string(FIND "${output}" "${EXPECTED_LINE}" found)
if(found EQUAL -1)
  message(FATAL_ERROR "koltest --check did not print: ${EXPECTED_LINE}")
endif()
