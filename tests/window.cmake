# The window's libraries, one test program each, labelled by the library's folder
# (ctest -L editor), all driven offscreen: the program, its label, the libraries it tests (a
# list), then its sources.
function(kelvara_window_test name label libraries)
    add_executable(${name} gui_test_main.cpp ${ARGN})
    target_link_libraries(${name} PRIVATE Qt6::Test GTest::gtest kelvara_warnings ${libraries})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${label})
endfunction()

# The dialog base on its own, and each dialog built from values, its clicks checked through its
# signals.
kelvara_window_test(test_widgets widgets kelvara_widgets widgets_test.cpp)
kelvara_window_test(test_random_ui random/ui kelvara_random_ui random_dialog_test.cpp)
kelvara_window_test(test_dialogs dialogs kelvara_dialogs dialog_signals_test.cpp)

# The save dialog: on its own, and over the main window, which composes what it saves.
kelvara_window_test(test_export_ui export/ui "kelvara_export_ui;kelvara_editor"
    save_dialog_test.cpp save_dialog_folders_test.cpp)

# The real main window: its controls, its operations, and how it opens each dialog and takes what
# the dialog reports.
kelvara_window_test(test_editor editor kelvara_editor
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

# The animation preview: playing by a clock the test drives, and the window beside the real main
# window, following its character. The command line's own commands are what the window's GIF and
# sprite set are held against.
kelvara_window_test(test_sprites_ui sprites/ui
    "kelvara_sprites_ui;kelvara_editor;kelvara_render_cli"
    animation_playback_test.cpp animation_preview_test.cpp)
