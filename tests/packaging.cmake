# The manual pages against the programs' help, the bash completion, and the .deb as Debian's
# tools see it. A check exits 77 when it cannot run here (no bash-completion; a sanitizer build
# is not packaged).
add_test(NAME man_pages_follow_the_help
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/man_page_check.sh ${CMAKE_BINARY_DIR}
                 ${PROJECT_VERSION})
add_test(NAME bash_completion_of_kelvara_render
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/completion_check.sh ${CMAKE_BINARY_DIR}
                 ${KELVARA_BASH_COMPLETION})
add_test(NAME debian_package_is_lintian_clean
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package_check.sh ${CMAKE_BINARY_DIR}
                 ${PROJECT_VERSION} $<BOOL:${KELVARA_SANITIZE}>)
set_tests_properties(bash_completion_of_kelvara_render debian_package_is_lintian_clean
                     PROPERTIES SKIP_RETURN_CODE 77)
