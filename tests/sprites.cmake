# The sprite pipeline, label "sprites": the grid, the parallel runner, the output check and the
# files of atlases, sheets, animations and batches, without the command line.
add_executable(test_sprites sprites_parallel_test.cpp sprites_grid_test.cpp sprites_files_test.cpp
                            sprites_set_test.cpp sprites_bundle_test.cpp)
target_link_libraries(test_sprites PRIVATE kelvara_sprites Qt6::Gui GTest::gtest_main
                                           kelvara_warnings)
gtest_discover_tests(test_sprites DISCOVERY_MODE PRE_TEST PROPERTIES LABELS sprites)
