# The Godot sprite frames and scene writer.
add_executable(test_godot_writer godot_writer_test.cpp)
target_link_libraries(test_godot_writer PRIVATE kelvara_formats GTest::gtest_main kelvara_warnings)
gtest_discover_tests(test_godot_writer DISCOVERY_MODE PRE_TEST PROPERTIES LABELS formats)
