# The manual page, the README and the bash completion checked against the
# program, and an install into a scratch prefix against what an admin gets.
include(GNUInstallDirs)
add_test(NAME docs
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/docs_test.sh ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}
          $<TARGET_FILE_DIR:fru_sim> ${CMAKE_INSTALL_SBINDIR} ${CMAKE_INSTALL_MANDIR}
          ${CMAKE_INSTALL_DATAROOTDIR} ${CMAKE_INSTALL_DOCDIR})
set_tests_properties(docs PROPERTIES TIMEOUT 300)
