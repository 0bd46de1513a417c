# The file writers on plain pixels: every picture writer against Qt's decoders, the refusals, the
# palette indexer the palette formats share, the Aseprite and Godot files read back by the tests'
# own readers against literals, and the text the PNG and GIF writers carry.
add_executable(test_formats
    bmp_writer_test.cpp
    png_writer_test.cpp
    gif_writer_test.cpp
    palette_indexer_test.cpp
    encoder_inputs_test.cpp
    aseprite_writer_test.cpp
    godot_writer_test.cpp
    embedded_text_test.cpp
)
target_link_libraries(test_formats PRIVATE kelvara_formats kelvara_compositor Qt6::Gui ZLIB::ZLIB
                                           GTest::gtest_main kelvara_warnings)
gtest_discover_tests(test_formats DISCOVERY_MODE PRE_TEST PROPERTIES LABELS formats)
