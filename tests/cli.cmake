# The command-line renderer: input checks, options and batches without a display, and the round
# trip through the real save dialog.
add_executable(test_cli cli_input_test.cpp cli_hostile_test.cpp cli_picture_input_test.cpp)
target_link_libraries(test_cli PRIVATE kelvara_render_cli Qt6::Gui GTest::gtest_main kelvara_warnings)
gtest_discover_tests(test_cli DISCOVERY_MODE PRE_TEST)

# The values the renderer writes, read back from its files without the program's own decoders.
add_executable(test_cli_values cli_values_test.cpp)
target_link_libraries(test_cli_values PRIVATE kelvara_render_cli Qt6::Gui GTest::gtest_main
                                              kelvara_warnings)
gtest_discover_tests(test_cli_values DISCOVERY_MODE PRE_TEST)

add_executable(test_cli_roundtrip gui_test_main.cpp cli_roundtrip_test.cpp)
target_link_libraries(test_cli_roundtrip PRIVATE kelvara_render_cli kelvara_ui Qt6::Test GTest::gtest
                                                 kelvara_warnings)
gtest_discover_tests(test_cli_roundtrip DISCOVERY_MODE PRE_TEST
                     PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# The program itself: the exit status a script sees for bad input.
add_test(NAME kelvara_render_exit_status_for_bad_input
         COMMAND sh -c "\"$<TARGET_FILE:kelvara-render>\" render /nonexistent/params.txt; test $? -eq 2")

# What a man-page generator needs: help and version on standard output, with status 0.
add_test(NAME kelvara_render_help_and_version_on_stdout
         COMMAND sh -c "\"$<TARGET_FILE:kelvara-render>\" --help 2>/dev/null | grep -q '^Usage: kelvara-render' && \"$<TARGET_FILE:kelvara-render>\" --version 2>/dev/null | grep -qx 'kelvara-render ${PROJECT_VERSION}'")

# The renderer's start is mostly loading libraries: Qt Gui alone brings in a few dozen, and it needs
# none of them (its PNGs come from formats/), so a link that pulls Qt Gui back in is a fault.
add_test(NAME kelvara_render_does_not_load_qt_gui
         COMMAND sh -c "ldd \"$<TARGET_FILE:kelvara-render>\" | grep -q Qt6Core && ! ldd \"$<TARGET_FILE:kelvara-render>\" | grep -q Qt6Gui")

# Installing: both programs, the desktop entry and the icons land in their places.
add_test(NAME install_into_temporary_prefix
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install_check.sh ${CMAKE_BINARY_DIR})

# Batches: the durable batch writer, the parallel runner, and the real program killed mid-batch.
add_executable(test_batch batch_test.cpp)
target_compile_definitions(test_batch PRIVATE KELVARA_RENDER_BINARY="$<TARGET_FILE:kelvara-render>")
target_link_libraries(test_batch PRIVATE kelvara_render_cli Qt6::Gui GTest::gtest_main kelvara_warnings)
add_dependencies(test_batch kelvara-render)
gtest_discover_tests(test_batch DISCOVERY_MODE PRE_TEST)
