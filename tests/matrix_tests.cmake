add_executable(matrix_tests ${CMAKE_CURRENT_SOURCE_DIR}/matrix_test.cpp)
target_link_libraries(matrix_tests PRIVATE matrix GTest::gtest_main)
gtest_discover_tests(matrix_tests NO_PRETTY_VALUES)
