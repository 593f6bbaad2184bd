#!/usr/bin/env bash
# tessparams end to end: a 14-parameter set typed into the real window and
# saved through "Save As ..." and its file dialog (the name typed without
# its extension); tessara-cli params show must accept the file, and it must
# equal, byte for byte, the committed sample of the same set.
source "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$@"

name="ITRF2000"
epoch="2000"
base=(-0.0761 -0.0101 0.0444 0.008765 0.009361 0.009325 0.007935)
rate=(0.011 -0.0045 -0.0174 0.001034 0.000671 0.001039 -0.000538)
saved="$E2E_WORK/files/itrf2000.params"
sample="$E2E_SOURCE/tests/params/fixtures/itrf2000.params"

e2e_step "editor window"
e2e_start tessparams "$E2E_TESSPARAMS"
e2e_wait_window "ITRF Parameters"
editor=$E2E_WINDOW

e2e_step "name, epoch and the fourteen values"
e2e_focus "$editor"
# The focus starts on the name. After the epoch come the mode buttons (one
# stop), the base values down their column and then the changes per year
# down theirs. One typed text, tabs included, is one xdotool run.
fields="$name"$'\t'"$epoch"$'\t'
for row in 0 1 2 3 4 5 6; do
    fields+=$'\t'"${base[$row]}"
done
for row in 0 1 2 3 4 5 6; do
    fields+=$'\t'"${rate[$row]}"
done
e2e_type "$fields"

e2e_step "Save As .."
# From the last field the focus wraps to "Open ..", then (past the disabled
# Save) to "Save As ..", enabled now that the set is complete.
e2e_keys Tab Tab space
e2e_answer_file_dialog "Select parameter file to save" "${saved%.params}"
e2e_wait_for_file "$saved"

e2e_exit_through_menu "$editor"

e2e_step "tessara-cli params show"
shown=$("$E2E_CLI" params show "$saved" 2>&1)
status=$?
echo "    ${shown//$'\n'/$'\n'    }"
[[ "$status" == 0 ]] || e2e_fail "params show ended with status $status"
for line in "Kind: +parameter set" "Name: +$name" "Epoch: +2000\.000" \
            "dx \(m\): +-0\.0761000 +0\.0110000" "scale \(ppm\): +0\.0079350 +-0\.0005380" \
            "Checksum: .* - matches"; do
    grep -Eq "^$line\$" <<<"$shown" || e2e_fail "params show has no line /$line/"
done
cmp "$saved" "$sample" >/dev/null || e2e_fail "$saved differs from the sample $sample"

e2e_passed
