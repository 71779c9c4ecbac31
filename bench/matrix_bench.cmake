add_executable(matrix_bench ${CMAKE_CURRENT_SOURCE_DIR}/matrix_bench.cpp)
target_link_libraries(matrix_bench PRIVATE matrix benchmark::benchmark_main)
