# korrel through the real IPMI stack: OpenIPMI's ipmi_sim as the BMC on
# 127.0.0.1, the real ipmitool, FreeIPMI's ipmi-fru as a second decoder.
# Each test starts and stops its own simulator on a free port. Without the
# packages a test is skipped, under CI (CI=true) it fails.
set(realbmc_env
  KORREL_BIN=$<TARGET_FILE:korrel>
  FRUDUMP_BIN=$<TARGET_FILE:frudump>
  FRUSIM_BIN=$<TARGET_FILE:fru_sim>)

function(add_realbmc_test name script)
  add_test(NAME realbmc_${name} COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/${script} ${ARGN})
  set_tests_properties(realbmc_${name} PROPERTIES
    LABELS realbmc SKIP_RETURN_CODE 77 TIMEOUT 120 ENVIRONMENT "${realbmc_env}")
endfunction()

add_realbmc_test(fixture selftest.sh)
add_realbmc_test(standin_agrees standin.sh)
add_realbmc_test(edit_chassis_board_keys edits.sh chassis-board)
add_realbmc_test(edit_product_keys edits.sh product)
add_realbmc_test(edit_whole_record edits.sh whole)
add_realbmc_test(refusals refusals.sh)
add_realbmc_test(foreign_layout layout.sh)
