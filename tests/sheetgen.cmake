# The sprite-sheet generator, and the sheets it drew into assets/.
add_executable(test_sheetgen
    sheetgen_canvas_test.cpp
    sheetgen_layout_test.cpp
    sheetgen_drawing_test.cpp
    sheetgen_assets_test.cpp
    sheetgen_heads_test.cpp
    sheetgen_tidy_test.cpp
    sheetgen_poses_test.cpp
)
target_link_libraries(test_sheetgen
    PRIVATE kelvara_sheetgen kelvara_assets kelvara_image_codec GTest::gtest_main kelvara_warnings)
gtest_discover_tests(test_sheetgen DISCOVERY_MODE PRE_TEST PROPERTIES LABELS sheetgen)
