# The command-line renderer, label "render": input checks, options, help and batches without a
# display, the sprite-set commands, and the round trip through the real save dialog (offscreen).
add_executable(test_render_cli
    gui_test_main.cpp
    cli_input_test.cpp
    cli_hostile_test.cpp
    cli_values_test.cpp
    cli_roundtrip_test.cpp
    cli_sprites_test.cpp
    cli_batch_test.cpp
    cli_options_test.cpp
    cli_picture_input_test.cpp
)
target_compile_definitions(test_render_cli
                           PRIVATE KELVARA_RENDER_BINARY="$<TARGET_FILE:kelvara-render>")
target_link_libraries(test_render_cli PRIVATE kelvara_render_cli kelvara_editor Qt6::Test GTest::gtest
                                               kelvara_warnings)
add_dependencies(test_render_cli kelvara-render)
gtest_discover_tests(test_render_cli DISCOVERY_MODE PRE_TEST
                     PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS render)

# The program itself: the exit status a script sees for bad input.
add_test(NAME kelvara_render_exit_status_for_bad_input
         COMMAND sh -c "\"$<TARGET_FILE:kelvara-render>\" render /nonexistent/params.txt; test $? -eq 2")
# An unknown animation is bad input for a script too.
add_test(NAME kelvara_render_animate_exit_status_for_bad_input
         COMMAND sh -c "\"$<TARGET_FILE:kelvara-render>\" animate --animation moonwalk -o /nonexistent/x.gif /nonexistent/p.txt; test $? -eq 2")

# What a man-page generator needs: help and version on standard output, with status 0.
add_test(NAME kelvara_render_help_and_version_on_stdout
         COMMAND sh -c "\"$<TARGET_FILE:kelvara-render>\" --help 2>/dev/null | grep -q '^Usage: kelvara-render' && \"$<TARGET_FILE:kelvara-render>\" --version 2>/dev/null | grep -qx 'kelvara-render ${PROJECT_VERSION}'")

# The renderer's start is mostly loading libraries: Qt Gui alone brings in a few dozen, and it needs
# none of them (its PNGs come from formats/), so a link that pulls Qt Gui back in is a fault.
add_test(NAME kelvara_render_does_not_load_qt_gui
         COMMAND sh -c "ldd \"$<TARGET_FILE:kelvara-render>\" | grep -q Qt6Core && ! ldd \"$<TARGET_FILE:kelvara-render>\" | grep -q Qt6Gui")
set_tests_properties(kelvara_render_exit_status_for_bad_input
                     kelvara_render_animate_exit_status_for_bad_input
                     kelvara_render_help_and_version_on_stdout kelvara_render_does_not_load_qt_gui
                     PROPERTIES LABELS render)

# Installing: both programs, the desktop entry and the icons land in their places.
add_test(NAME install_into_temporary_prefix
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install_check.sh ${CMAKE_BINARY_DIR})
