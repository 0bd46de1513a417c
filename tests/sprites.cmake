# Sprite sets: the pose catalogue, and the renderer's atlas and animate commands.
add_executable(test_sprite_data pose_catalogue_test.cpp)
target_link_libraries(test_sprite_data PRIVATE kelvara_model GTest::gtest_main kelvara_warnings)
gtest_discover_tests(test_sprite_data DISCOVERY_MODE PRE_TEST)

add_executable(test_cli_sprites cli_sprites_test.cpp)
target_link_libraries(test_cli_sprites PRIVATE kelvara_render_cli Qt6::Gui GTest::gtest_main kelvara_warnings)
gtest_discover_tests(test_cli_sprites DISCOVERY_MODE PRE_TEST)

# The program itself: an unknown animation is bad input for a script too.
add_test(NAME kelvara_render_animate_exit_status_for_bad_input
         COMMAND sh -c "\"$<TARGET_FILE:kelvara-render>\" animate --animation moonwalk -o /nonexistent/x.gif /nonexistent/p.txt; test $? -eq 2")

# The atlas's JSON writer, against Qt's.
