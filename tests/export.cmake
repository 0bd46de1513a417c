# The export library, label "export": the image and parameter files, the file writers and their
# rules for links, temporaries and locks, the parameters read back from pictures and atlas JSON,
# and the parameter reader under a seeded mutation fuzzer (scripts/fuzz.sh runs it for longer). The save dialog's tests are in window.cmake.
add_executable(test_export
    export_image_test.cpp
    parameter_file_test.cpp
    parameter_reader_fuzz_test.cpp
    character_export_test.cpp
    atomic_write_test.cpp
    group_writer_test.cpp
    batch_writer_test.cpp
    hostile_paths_test.cpp
    file_names_test.cpp
    parameter_sources_test.cpp
)
target_link_libraries(test_export PRIVATE kelvara_export Qt6::Gui ZLIB::ZLIB GTest::gtest_main
                                          kelvara_warnings)
gtest_discover_tests(test_export DISCOVERY_MODE PRE_TEST PROPERTIES LABELS export)
