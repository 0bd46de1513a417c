# The sprite set in the readers game developers use: Phaser 4 and PixiJS 8 in Debian's Chromium,
# headless, and ase-parser, all from tests/engines/node_modules (scripts/setup.sh installs them;
# a check exits 77, skipped, where they are missing). ctest -L engines runs them alone.
# They expect the atlas format that engines import unchanged; the renderer does not write it
# yet, so they are registered but disabled until it does (-DKELVARA_ENGINE_CHECKS=ON runs them).
option(KELVARA_ENGINE_CHECKS "Run the engine checks (the renderer writes the engines' format)" OFF)
find_program(KELVARA_NODE node)
set(checks ${CMAKE_CURRENT_SOURCE_DIR}/engines)
set(hero ${CMAKE_CURRENT_BINARY_DIR}/engines)

add_test(NAME engines_inputs COMMAND ${checks}/make_inputs.sh $<TARGET_FILE:kelvara-render> ${hero})
set_tests_properties(engines_inputs PROPERTIES FIXTURES_SETUP engines_inputs LABELS engines)

if(KELVARA_NODE)
    set(node ${KELVARA_NODE})
else()
    set(node sh -c "echo 'skipped: node is not installed' && exit 77" --)
endif()
add_test(NAME engines_phaser COMMAND ${node} ${checks}/phaser_check.mjs ${hero}/hero.png ${hero}/json/hero.json)
add_test(NAME engines_pixi COMMAND ${node} ${checks}/pixi_check.mjs ${hero}/json/hero.json ${hero}/hero.png)
add_test(NAME engines_aseprite COMMAND ${node} ${checks}/aseprite_check.mjs ${hero}/hero.aseprite ${hero}/hero.png
                                       ${hero}/json/hero.json)
set_tests_properties(engines_phaser engines_pixi engines_aseprite
                     PROPERTIES FIXTURES_REQUIRED engines_inputs LABELS engines SKIP_RETURN_CODE 77 TIMEOUT 120)
if(NOT KELVARA_ENGINE_CHECKS)
    set_tests_properties(engines_inputs engines_phaser engines_pixi engines_aseprite PROPERTIES DISABLED TRUE)
endif()
