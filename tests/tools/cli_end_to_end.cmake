# Runs the real rotalo-cli binary and checks exit statuses and streams.
set(solved 111111112222222233333333444444445555555566666666123456)

function(expect_run expected_status expected_out_regex expected_err_regex)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "rotalo-cli ${ARGN}: status ${status}, expected ${expected_status}\n${out}${err}")
  endif()
  if(NOT out MATCHES "${expected_out_regex}")
    message(FATAL_ERROR "rotalo-cli ${ARGN}: unexpected output:\n${out}")
  endif()
  if(NOT err MATCHES "${expected_err_regex}")
    message(FATAL_ERROR "rotalo-cli ${ARGN}: unexpected error output:\n${err}")
  endif()
endfunction()

expect_run(0 "^check: accepted\nrun 1: twist 0 swap 0 flip 0\nrecorded: 10 31 .*\nmoves: 96\n$" "^$"
           solve --scramble "21 43 62 51 33")
expect_run(1 "^check: rejected: You must colour in ALL of the sides\n$" "^$"
           check 011111112222222233333333444444445555555566666666123456)
expect_run(2 "^$" "^rotalo-cli: wrong length: CUBE has 3 characters, it needs 54\n$" solve 123)
expect_run(0 "^${solved}\n$" "^$" apply ${solved} "11 13")
expect_run(0 "Usage:" "^$" --help)
expect_run(0 "\nsolution: U R U' R'\nmoves: 4\n$" "^$" solve --fewest --notation standard --scramble "R U R' U'")

# Batch mode reads standard input.
set(batch ${CMAKE_CURRENT_BINARY_DIR}/cli_batch_input.txt)
file(WRITE ${batch} "${solved}\n${solved}\n")
execute_process(COMMAND ${CLI} solve - INPUT_FILE ${batch} RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "^check: accepted\n(.*\n)+\ncheck: accepted\n")
  message(FATAL_ERROR "batch solve failed (${status}):\n${out}")
endif()
