#!/usr/bin/env bash
# tessara end to end: File > Transform file..., the input and output files
# chosen through the real file dialogs, the detected layout accepted, then
# Convert; the output must equal what tessara-cli transform writes for the
# same file with its default options (the header's time masked).
source "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$@"

# A sample with an epoch in every record, so that the detected layout
# alone is enough to convert it.
sample="cartesian_epochs.txt"
input="$E2E_WORK/files/$sample"
output="$E2E_WORK/files/transformed.txt"
cp "$E2E_SOURCE/examples/$sample" "$input" || e2e_fail "cannot copy the sample $sample"

e2e_step "main window"
e2e_start tessara "$E2E_TESSARA"
e2e_wait_window "Tessara"
main=$E2E_WINDOW

e2e_step "File > Transform file..."
e2e_focus "$main"
e2e_keys alt+f t
e2e_wait_window "Convert coordinates in file"
convert=$E2E_WINDOW

e2e_step "input file"
e2e_focus "$convert"
# The read-only input name has the focus; the next control is its Browse.
e2e_keys Tab space
e2e_answer_file_dialog "Select coordinate input file to transform" "$input"

e2e_step "output file"
e2e_focus "$convert"
# Back from the input's Browse: the input name, Close and Help, then the
# output's Browse (Convert and Format stay disabled without an output).
e2e_keys shift+Tab shift+Tab shift+Tab shift+Tab space
e2e_answer_file_dialog "Save transformed coordinate output file as" "$output"

e2e_step "Convert"
e2e_focus "$convert"
# From the output's Browse: Format, then Convert.
e2e_keys Tab Tab space
e2e_wait_gone "$convert" "$E2E_STEP_SECONDS" || e2e_fail "the dialog stayed open after Convert"
e2e_wait_for_line "$output" "\| +TOW2"

e2e_exit_through_menu "$main"

e2e_step "output against tessara-cli transform"
records=$(grep -c '| GDA94 ' "$output")
[[ "$records" == 6 ]] || e2e_fail "$records records in $output, expected 6"
# The same paths for both runs, as the header names them.
mv "$output" "$E2E_WORK/from_window.txt"
(cd "$E2E_WORK/files" && "$E2E_CLI" transform "$input" "$output") \
    >"$E2E_WORK/cli.out" 2>&1 || { cat "$E2E_WORK/cli.out"; e2e_fail "tessara-cli transform failed"; }
if ! diff <(e2e_masked "$E2E_WORK/from_window.txt") <(e2e_masked "$output") \
        >"$E2E_WORK/output.diff"; then
    cat "$E2E_WORK/output.diff"
    e2e_fail "the window's output differs from tessara-cli's"
fi

e2e_passed
