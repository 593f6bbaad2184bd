# Runs the built tessara-cli: writes a parameter file and compares it with the
# committed sample byte for byte, then transforms every sample file as the
# file run's stored outputs were made, through files and through the
# standard streams. Messages and exit statuses of each command are checked
# in process by the cli tests.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

function(expect_status expected)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL expected)
        message(FATAL_ERROR "${ARGN}\nexit ${status}, expected ${expected}\n${out}${err}")
    endif()
    set(last_out "${out}" PARENT_SCOPE)
    set(last_err "${err}" PARENT_SCOPE)
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

expect_status(1 "${CLI}" params show "${FIXTURES}/bad_crc.params")
expect_status(2 "${CLI}")

# --- transform and point -------------------------------------------------
# The program folder is an empty one of the test's own, so that no stored
# list changes the default set.
get_filename_component(source_root "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
set(golden "${source_root}/tests/filetransform/golden")
set(samples "${WORK_DIR}/samples")
file(MAKE_DIRECTORY "${WORK_DIR}/home" "${samples}" "${WORK_DIR}/stdin_run")
set(ENV{TESSARA_HOME} "${WORK_DIR}/home")
file(GLOB example_files "${source_root}/examples/*")
file(COPY ${example_files} DESTINATION "${samples}")

# The file with the time of its header masked, as the stored outputs have it.
function(read_masked path variable)
    file(READ "${path}" text)
    string(REGEX REPLACE "File created:    [^\r\n]*" "File created:    <time>" text "${text}")
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()

function(expect_same_text actual expected_file what)
    file(READ "${expected_file}" expected)
    if(NOT actual STREQUAL expected)
        file(WRITE "${WORK_DIR}/differs.txt" "${actual}")
        message(FATAL_ERROR "${what} differs from ${expected_file} (see ${WORK_DIR}/differs.txt)")
    endif()
endfunction()

# transform in the samples folder, writing OUTPUT there; the output (time
# masked) must equal the stored output of that name, and with CHECK_MESSAGES
# standard error must equal its stored message list.
function(golden_run status output)
    cmake_parse_arguments(RUN "CHECK_MESSAGES" "" "" ${ARGN})
    execute_process(COMMAND "${CLI}" transform --quiet ${RUN_UNPARSED_ARGUMENTS} "${output}"
                    WORKING_DIRECTORY "${samples}"
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL status)
        message(FATAL_ERROR
                "transform ${ARGN} ${output}: exit ${result}, expected ${status}\n${err}")
    endif()
    read_masked("${samples}/${output}" text)
    expect_same_text("${text}" "${golden}/${output}" "${output}")
    if(RUN_CHECK_MESSAGES)
        expect_same_text("${err}" "${golden}/${output}.messages" "messages of ${output}")
    endif()
endfunction()

# Every sample as the file dialog runs it after detection, with the set
# date of the stored outputs where the file has no epochs of its own.
set(date --epoch 01/01/2005)
golden_run(0 sample_cartesian.out ${date} cartesian.csv CHECK_MESSAGES)
golden_run(0 sample_cartesian_epochs.out cartesian_epochs.txt CHECK_MESSAGES)
golden_run(0 sample_geographic_dd.out ${date} --layout dd geographic_dd.csv CHECK_MESSAGES)
golden_run(0 sample_geographic_dms.out ${date} geographic_dms.txt CHECK_MESSAGES)
golden_run(0 sample_geographic_dms_tab.out geographic_dms_tab.txt CHECK_MESSAGES)
golden_run(0 sample_geographic_dms_one_field.out ${date} geographic_dms_one_field.csv
           CHECK_MESSAGES)
golden_run(0 sample_geographic_dm.out ${date} geographic_dm.txt CHECK_MESSAGES)
golden_run(0 sample_geographic_dm_one_field.out geographic_dm_one_field.csv CHECK_MESSAGES)
golden_run(0 sample_geographic_packed_dms.out ${date} --layout dmshp geographic_packed_dms.csv
           CHECK_MESSAGES)
golden_run(0 sample_geographic_packed_dm.out ${date} --layout dmhp geographic_packed_dm.csv
           CHECK_MESSAGES)
golden_run(0 sample_geographic_letters.out ${date} geographic_letters.txt CHECK_MESSAGES)
golden_run(0 sample_identifiers_with_blanks.out ${date} identifiers_with_blanks.txt
           CHECK_MESSAGES)
golden_run(0 sample_quoted_identifiers.out ${date} --layout dd quoted_identifiers.csv
           CHECK_MESSAGES)
golden_run(1 sample_with_errors.out ${date} --layout dd with_errors.txt CHECK_MESSAGES)

# Each output notation, as text and comma-separated by the output's name.
foreach(notation dms dm dd dmshp dmhp)
    foreach(extension txt csv)
        golden_run(0 notation_${notation}.${extension} ${date} --notation ${notation}
                   geographic_dms.txt)
    endforeach()
endforeach()

# The output choices.
golden_run(0 reverse_dd.txt ${date} --reverse --notation dd --layout dd geographic_dd.csv)
golden_run(0 reverse_dd.csv ${date} --reverse --notation dd --layout dd geographic_dd.csv)
golden_run(0 sign_dd.csv ${date} --output geo --no-header --hemisphere sign --notation dd
           --layout dd geographic_dd.csv)
golden_run(0 sign_dms.txt ${date} --output geo --hemisphere sign --layout dd geographic_dd.csv)
golden_run(0 letter_dms.txt ${date} --hemisphere letter --layout dd geographic_dd.csv)
golden_run(0 letter_dm.csv ${date} --hemisphere letter --notation dm --layout dd
           geographic_dd.csv)
golden_run(0 cartesian_only.txt ${date} --output xyz cartesian.csv)
golden_run(0 cartesian_only.csv ${date} --output xyz --no-header cartesian.csv)
golden_run(0 low_precision.txt --precision 0,0,0,0,0 cartesian_epochs.txt)

# Standard input to standard output: the same bytes as the stored output.
execute_process(COMMAND "${CLI}" transform ${date} --output geo --no-header --hemisphere sign
                        --notation dd --layout dd --csv - -
                INPUT_FILE "${samples}/geographic_dd.csv"
                OUTPUT_FILE "${WORK_DIR}/stdout.csv"
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "standard streams: exit ${status}\n${err}")
endif()
file(READ "${WORK_DIR}/stdout.csv" text)
expect_same_text("${text}" "${golden}/sign_dd.csv" "standard output")
# What the detection supplied is said first, in the words of the options.
set(expected_messages "Detected: geographic dd, fields 2,3,4, identifier 1, epoch from --epoch\n")
string(APPEND expected_messages "Input - (standard input)\nTransformed 7 lines (0 errors)\n")
string(APPEND expected_messages "Output - (standard output)\n************\n")
if(NOT err STREQUAL expected_messages)
    message(FATAL_ERROR "unexpected messages of the standard streams:\n${err}")
endif()

# No OUTPUT: the records go to standard output.
execute_process(COMMAND "${CLI}" transform ${date} --output xyz --no-header --csv cartesian.csv
                WORKING_DIRECTORY "${samples}"
                OUTPUT_FILE "${WORK_DIR}/stdout_xyz.csv" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "standard output without OUTPUT: exit ${status}")
endif()
file(READ "${WORK_DIR}/stdout_xyz.csv" text)
expect_same_text("${text}" "${golden}/cartesian_only.csv" "standard output without OUTPUT")

# Standard input to a file: the stored output, with the input named as the stream.
execute_process(COMMAND "${CLI}" transform ${date} - sample_geographic_dms.out
                INPUT_FILE "${samples}/geographic_dms.txt"
                WORKING_DIRECTORY "${WORK_DIR}/stdin_run"
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "standard input: exit ${status}\n${err}")
endif()
read_masked("${WORK_DIR}/stdin_run/sample_geographic_dms.out" text)
string(REPLACE "(standard input)" "geographic_dms.txt" text "${text}")
expect_same_text("${text}" "${golden}/sample_geographic_dms.out" "output from standard input")

# A forced progress bar ends at 100% on a line of its own, above the summary.
expect_status(0 "${CLI}" transform ${date} --progress=always "${samples}/geographic_dms.txt"
              "${WORK_DIR}/progress.txt")
if(NOT last_err MATCHES "\r\\[#+\\] 100%[^\n]*\nTransformed 7 lines \\(0 errors\\)\n")
    message(FATAL_ERROR "no finished progress bar:\n${last_err}")
endif()

# --- inputs that are not plain files ----------------------------------------
# A named pipe and a /dev/fd name are read once, detection included: every
# line is transformed, as from the file itself.
find_program(BASH bash)
set(fifo_dir "${WORK_DIR}/fifo")
file(MAKE_DIRECTORY "${fifo_dir}/fifo" "${fifo_dir}/devfd")
foreach(kind fifo devfd)
    if(kind STREQUAL "fifo")
        set(script "mkfifo points.txt && (cat '${samples}/geographic_dms.txt' > points.txt &) && \"$1\" transform --quiet --epoch 01/01/2005 points.txt ${kind}/sample_geographic_dms.out")
    else()
        set(script "\"$1\" transform --quiet --epoch 01/01/2005 <(cat '${samples}/geographic_dms.txt') ${kind}/sample_geographic_dms.out")
    endif()
    execute_process(COMMAND "${BASH}" -c "${script}" bash "${CLI}"
                    WORKING_DIRECTORY "${fifo_dir}" TIMEOUT 30
                    RESULT_VARIABLE status ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${kind} input: exit ${status}\n${err}")
    endif()
    if(NOT err MATCHES "Transformed 7 lines \\(0 errors\\)")
        message(FATAL_ERROR "${kind} input: not every line transformed\n${err}")
    endif()
    read_masked("${fifo_dir}/${kind}/sample_geographic_dms.out" text)
    string(REGEX REPLACE "Input File:      [^\r\n]*" "Input File:      geographic_dms.txt" text "${text}")
    string(REPLACE "${kind}/sample" "sample" text "${text}")
    expect_same_text("${text}" "${golden}/sample_geographic_dms.out" "output from ${kind} input")
endforeach()

# A line without an end stops the run with a message in bounded memory: under
# a limit of 200 MB of address space, 300 MB of one line. (The sanitizers
# reserve far more address space than that, so their build skips the limit.)
set(limit "ulimit -v 200000;")
if(SANITIZED)
    set(limit "")
endif()
execute_process(
    COMMAND "${BASH}" -c "${limit} head -c 300000000 /dev/zero | tr '\\0' x | \"$1\" transform --epoch 2005 --type geo --layout dd --fields 1,2,none - '${fifo_dir}/endless.txt'"
            bash "${CLI}"
    TIMEOUT 120 RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT err MATCHES "line 1 is longer than 1048576 bytes")
    message(FATAL_ERROR "endless line: exit ${status}, expected 2\n${err}")
endif()
if(EXISTS "${fifo_dir}/endless.txt")
    message(FATAL_ERROR "endless line: an output was written")
endif()

# SIGTERM in the middle of a run (here waiting for more of a pipe that stays
# open): the old output stays as it was, the messages say so, exit 143.
file(WRITE "${fifo_dir}/cancelled.txt" "old output\n")
execute_process(
    COMMAND "${BASH}" -c [[
mkfifo slow.txt
exec 3<>slow.txt
for i in $(seq 1 25); do printf 'P%d,-33.5,151.2,40\n' "$i" >&3; done
"$1" transform --quiet --epoch 2005 --type geo --layout dd --fields 2,3,4 slow.txt cancelled.txt 2>err.txt &
pid=$!
sleep 1
kill -TERM "$pid"
wait "$pid"
echo "exit $?"
cat err.txt
]] bash "${CLI}"
    WORKING_DIRECTORY "${fifo_dir}" TIMEOUT 30 OUTPUT_VARIABLE out)
if(NOT out MATCHES "^exit 143\n.*Cancelled after 25 lines; no output was written\n")
    message(FATAL_ERROR "a cancelled run:\n${out}")
endif()
file(READ "${fifo_dir}/cancelled.txt" text)
if(NOT text STREQUAL "old output\n")
    message(FATAL_ERROR "a cancelled run changed its output:\n${text}")
endif()
