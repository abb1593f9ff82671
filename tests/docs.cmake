# The manual page and the README checked against the program, and an install
# into a scratch prefix checked against what an admin gets.
include(GNUInstallDirs)

add_test(NAME docs_manpage_readme
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/docs_test.sh docs ${PROJECT_SOURCE_DIR}
          $<TARGET_FILE:korrel> $<TARGET_FILE_DIR:fru_sim>)
add_test(NAME docs_install
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/docs_test.sh install ${PROJECT_SOURCE_DIR}
          $<TARGET_FILE:korrel> $<TARGET_FILE_DIR:fru_sim>
          ${CMAKE_BINARY_DIR} ${CMAKE_COMMAND} ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_MANDIR})
set_tests_properties(docs_manpage_readme docs_install PROPERTIES TIMEOUT 120)
