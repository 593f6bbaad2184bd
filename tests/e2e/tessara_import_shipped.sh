#!/usr/bin/env bash
# tessara end to end: ITRF Parameters > Import opens its file dialog in the
# folder of the shipped parameter sets (beside the program in a build tree,
# <prefix>/share/tessara/sets when installed), so a bare file name there is
# enough: the check dialog then shows the set, and Save keeps it.
source "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$@"

e2e_step "main window"
e2e_start tessara "$E2E_TESSARA"
e2e_wait_window "Tessara"
main=$E2E_WINDOW

e2e_step "ITRF Parameters > Import with a bare name"
e2e_focus "$main"
e2e_keys alt+p i
e2e_answer_file_dialog "Select parameter file to import" "ITRF2014.params"

e2e_step "check dialog, Save"
e2e_wait_window "Check ITRF Parameters"
check=$E2E_WINDOW
e2e_screenshot import-check
e2e_focus "$check"
# Cancel is the default button and has the focus; Save stands before it.
e2e_keys shift+Tab space
e2e_wait_gone "$check" "$E2E_STEP_SECONDS" || e2e_fail "the check dialog did not close on Save"

e2e_exit_through_menu "$main"

e2e_step "the set is in the stored list"
listed=$("$E2E_CLI" sets 2>&1) || e2e_fail "tessara-cli sets failed: $listed"
grep -q "ITRF2014" <<<"$listed" || e2e_fail "tessara-cli sets does not list ITRF2014"

e2e_passed
