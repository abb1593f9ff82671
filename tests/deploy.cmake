# Deployment: the Debian package and the RPM, and the Ansible playbook run
# on a fleet of local hosts with stand-in BMCs.
add_test(NAME package
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/package_test.sh ${CMAKE_CPACK_COMMAND}
          ${CMAKE_BINARY_DIR} ${PROJECT_VERSION} $<TARGET_FILE_DIR:fru_sim>
          ${PROJECT_SOURCE_DIR}/sim/sample-fru.bin)
set_tests_properties(package PROPERTIES LABELS package TIMEOUT 600)

add_test(NAME fleet
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/fleet_test.sh ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR})
set_tests_properties(fleet PROPERTIES LABELS fleet TIMEOUT 900)
