# Robustness: faults injected into whole runs, hostile input, generated
# records round-tripped, and the bounds of the response line.
add_executable(robust_tests
  robust/image_check.cpp robust/robust_support.cpp
  robust/fault_matrix_test.cpp robust/bad_input_test.cpp robust/round_trip_test.cpp
  robust/bounds_test.cpp
  ${PROJECT_SOURCE_DIR}/src/read/bmc_command.cpp)
target_include_directories(robust_tests PRIVATE robust)
target_link_libraries(robust_tests PRIVATE korrel_driver korrel_test_support GTest::gtest_main)
gtest_discover_tests(robust_tests)
