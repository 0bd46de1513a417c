# The window's libraries, one test program each, labelled by the library's folder
# (ctest -L editor), all driven offscreen.
function(kelvara_window_test name label)
    add_executable(${name} gui_test_main.cpp ${ARGN})
    target_link_libraries(${name} PRIVATE Qt6::Test GTest::gtest kelvara_warnings)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${label})
endfunction()

# The dialog base and the folder list on their own.
kelvara_window_test(test_widgets widgets widgets_test.cpp)
target_link_libraries(test_widgets PRIVATE kelvara_widgets)

# Each dialog built from values, its clicks checked through its signals.
kelvara_window_test(test_random_ui random/ui random_dialog_test.cpp)
target_link_libraries(test_random_ui PRIVATE kelvara_random_ui)

kelvara_window_test(test_dialogs dialogs dialog_signals_test.cpp)
target_link_libraries(test_dialogs PRIVATE kelvara_dialogs)

# The save dialog: on its own, and over the main window, which composes what it saves.
kelvara_window_test(test_export_ui export/ui save_dialog_test.cpp save_dialog_folders_test.cpp)
target_link_libraries(test_export_ui PRIVATE kelvara_export_ui kelvara_editor)

# The real main window: its controls, its operations, and how it opens each dialog and takes what
# the dialog reports.
kelvara_window_test(test_editor editor
    window_controls_test.cpp
    startup_reset_test.cpp
    part_selectors_test.cpp
    colour_selectors_test.cpp
    main_window_layout_test.cpp
    random_button_test.cpp
    dialog_mechanism_test.cpp
    dialogs_test.cpp
    render_character_test.cpp
    window_operations_test.cpp
    window_open_file_test.cpp
    character_view_test.cpp
)
target_link_libraries(test_editor PRIVATE kelvara_editor)

# The animation preview: playing by a clock the test drives, and the window beside the real main
# window, following its character.
kelvara_window_test(test_sprites_ui sprites/ui animation_playback_test.cpp animation_preview_test.cpp
    sprite_set_export_test.cpp)
# The command line's own bundle command is what the window's sprite set is held against.
target_link_libraries(test_sprites_ui PRIVATE kelvara_sprites_ui kelvara_editor kelvara_render_cli)
