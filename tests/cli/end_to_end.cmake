# Runs the built tessara-cli: writes a parameter file, compares it with the
# committed sample byte for byte, shows it, and checks the exit status of a
# damaged file and of a usage error.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

function(expect_status expected)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL expected)
        message(FATAL_ERROR "${ARGN}\nexit ${status}, expected ${expected}\n${out}${err}")
    endif()
    set(last_out "${out}" PARENT_SCOPE)
endfunction()

expect_status(0 "${CLI}" --version)
if(NOT last_out MATCHES "^tessara-cli Version [0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+\n$")
    message(FATAL_ERROR "unexpected version line: ${last_out}")
endif()

set(written "${WORK_DIR}/itrf2000.params")
expect_status(0 "${CLI}" params new-set --name ITRF2000 --epoch 2000
    --base=-0.0761,-0.0101,0.0444,0.008765,0.009361,0.009325,0.007935
    --rates 0.011,-0.0045,-0.0174,0.001034,0.000671,0.001039,-0.000538
    "${written}")
file(READ "${written}" actual HEX)
file(READ "${FIXTURES}/itrf2000.params" expected HEX)
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "written file differs from the sample:\n${actual}\n${expected}")
endif()

expect_status(0 "${CLI}" params show "${written}")
if(NOT last_out MATCHES "- matches")
    message(FATAL_ERROR "show did not confirm the checksum:\n${last_out}")
endif()

expect_status(1 "${CLI}" params show "${FIXTURES}/bad_crc.params")
expect_status(1 "${CLI}" params show "${FIXTURES}/wrong_marker.params")
expect_status(2 "${CLI}" params new-set --name X "${WORK_DIR}/x.params")
expect_status(2 "${CLI}")
