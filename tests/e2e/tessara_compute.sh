#!/usr/bin/env bash
# tessara end to end: one Compute in the main form, typed through the real
# window, then File > Exit; the log file must hold one record whose numbers
# are those tessara-cli prints for the same point at the log's precision.
source "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$@"

# The sample point of Ctrl+F1 (the worked example's ITRF point), at an
# epoch and with an identifier typed by hand.
epoch="15/07/2005"
identifier="E2E-1"
x="-4052052.048"
y="4212836.105"
z="-2545105.587"
log="$TESSARA_HOME/tessara.log"

e2e_step "main window"
e2e_start tessara "$E2E_TESSARA"
e2e_wait_window "Tessara"
main=$E2E_WINDOW
# The log is started once the form is drawn; its header comes first.
e2e_wait_for_line "$log" "Interactive Output File"

e2e_step "sample point, epoch and identifier"
e2e_focus "$main"
# The focus starts in the epoch field of the ITRF half. Ctrl+F1 fills the
# point and the epoch; the epoch is then typed over, and two tabs (past the
# epoch notation buttons) lead to the identifier.
e2e_keys ctrl+F1 ctrl+a
e2e_type "$epoch"$'\t\t'"$identifier"

e2e_step "Compute"
# From the identifier: the input type button, X, Y, Z and "To Lat/Long",
# then Compute (the geographic fields are disabled for cartesian input).
e2e_keys Tab Tab Tab Tab Tab Tab space
e2e_wait_for_line "$log" "\| +$identifier"

e2e_exit_through_menu "$main"

e2e_step "log record against tessara-cli point"
records=$(grep -c '^ITRF2000 ' "$log")
[[ "$records" == 1 ]] || e2e_fail "$records records in $log, expected 1"
record=$(grep '^ITRF2000 ' "$log")
record=${record%$'\r'}

# The record's three parts (input, output, identifier), blanks collapsed.
IFS='|' read -r input output got_identifier <<<"$record"
words() { local -a w; read -ra w <<<"$1"; echo "${w[*]}"; }
input=$(words "$input")
output=$(words "$output")
got_identifier=$(words "$got_identifier")

# The form's input as typed.
[[ "$input" == "ITRF2000 $epoch $x $y $z" ]] || e2e_fail "input half of the record is '$input'"
[[ "$got_identifier" == "$identifier" ]] || e2e_fail "identifier in the record is '$got_identifier'"

# The log keeps 3 decimals of metres and 5 of seconds: the same precision
# is given to tessara-cli.
expected=$("$E2E_CLI" point --epoch "$epoch" --precision 8,7,5,3,3 --xyz "$x" "$y" "$z") ||
    e2e_fail "tessara-cli point failed"
declare -A value
while read -r key rest; do
    value[$key]=$(words "$rest")
done <<<"$expected"
for key in X Y Z Latitude Longitude Height; do
    [[ -n "${value[$key]-}" ]] || e2e_fail "no $key line in tessara-cli point's output: $expected"
done
# A south latitude is shown without its sign in the log, as in the form.
want="GDA94 ${value[X]} ${value[Y]} ${value[Z]} ${value[Latitude]#-} ${value[Longitude]}"
want+=" ${value[Height]}"
[[ "$output" == "$want" ]] ||
    e2e_fail "output half of the record is '$output', tessara-cli gives '$want'"

e2e_passed
