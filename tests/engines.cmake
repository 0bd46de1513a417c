# The sprite sets in the readers game developers use: Phaser 4 and PixiJS 8 in Debian's Chromium,
# headless, and ase-parser, all from tests/engines/node_modules (scripts/setup.sh --engine-checks installs them;
# a check exits 77, skipped, where they are missing), and Godot 4's text files read as its loader
# reads them (Godot itself is not installed). ctest -L engines runs them alone.
option(KELVARA_ENGINE_CHECKS "Run the engine checks (skipped where Node.js or its packages are missing)" ON)
find_program(KELVARA_NODE node)
set(checks ${CMAKE_CURRENT_SOURCE_DIR}/engines)
set(sets ${CMAKE_CURRENT_BINARY_DIR}/engines)

add_test(NAME engines_inputs COMMAND ${checks}/make_inputs.sh $<TARGET_FILE:kelvara-render> ${sets})
set_tests_properties(engines_inputs PROPERTIES FIXTURES_SETUP engines_inputs LABELS engines)

if(KELVARA_NODE)
    set(node ${KELVARA_NODE})
else()
    set(node sh -c "echo 'skipped: node is not installed' && exit 77" --)
endif()
add_test(NAME engines_phaser COMMAND ${node} ${checks}/phaser_check.mjs ${sets}/hero.png ${sets}/json/hero.json)
add_test(NAME engines_pixi COMMAND ${node} ${checks}/pixi_check.mjs ${sets}/json/hero.json ${sets}/hero.png
                                   ${sets}/rival/rival.json)
add_test(NAME engines_aseprite COMMAND ${node} ${checks}/aseprite_check.mjs ${sets}/hero/hero.aseprite
                                       ${sets}/hero/hero.png ${sets}/hero/hero.json)
add_test(NAME engines_aseprite_opaque COMMAND ${node} ${checks}/aseprite_check.mjs ${sets}/rival/rival.aseprite
                                              ${sets}/rival/rival.png ${sets}/rival/rival.json)
add_test(NAME engines_godot COMMAND ${node} ${checks}/godot_check.mjs ${sets}/hero/hero.tres
                                    ${sets}/hero/hero.tscn ${sets}/hero/hero.json)
set(engine_checks engines_phaser engines_pixi engines_aseprite engines_aseprite_opaque engines_godot)
set_tests_properties(${engine_checks}
                     PROPERTIES FIXTURES_REQUIRED engines_inputs LABELS engines SKIP_RETURN_CODE 77 TIMEOUT 120)
if(NOT KELVARA_ENGINE_CHECKS)
    set_tests_properties(engines_inputs ${engine_checks} PROPERTIES DISABLED TRUE)
endif()
