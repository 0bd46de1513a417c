# Saving: the file formats and the file writing without a window (the save dialog's tests are in
# window.cmake).
add_executable(test_export_files
    export_image_test.cpp
    parameter_file_test.cpp
    character_export_test.cpp
    atomic_write_test.cpp
)
target_link_libraries(test_export_files
    PRIVATE kelvara_export Qt6::Gui GTest::gtest_main kelvara_warnings)
gtest_discover_tests(test_export_files DISCOVERY_MODE PRE_TEST)

# The parameter reader under a seeded mutation fuzzer; scripts/fuzz.sh runs it for longer.
add_executable(test_parameter_fuzz parameter_reader_fuzz_test.cpp)
target_link_libraries(test_parameter_fuzz PRIVATE kelvara_export GTest::gtest_main kelvara_warnings)
gtest_discover_tests(test_parameter_fuzz DISCOVERY_MODE PRE_TEST)

# The durable batch writer.
add_executable(test_batch batch_test.cpp)
target_link_libraries(test_batch PRIVATE kelvara_export GTest::gtest_main kelvara_warnings)
gtest_discover_tests(test_batch DISCOVERY_MODE PRE_TEST)

# A character read back from the text its pictures and atlas JSON carry, hostile files refused
# with their reasons and the readers' bounds; alone, so that a sanitizer build of it needs only
# the file writing.
add_executable(test_parameter_sources parameter_sources_test.cpp)
target_link_libraries(test_parameter_sources PRIVATE kelvara_export ZLIB::ZLIB GTest::gtest_main
                                                     kelvara_warnings)
gtest_discover_tests(test_parameter_sources DISCOVERY_MODE PRE_TEST)
