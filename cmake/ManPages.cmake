# The manual pages kelvara(1) and kelvara-render(1), made by help2man from the built programs'
# own --help, so they follow every change of commands and options; compressed with gzip -9n.
find_program(KELVARA_HELP2MAN help2man)
if(NOT KELVARA_HELP2MAN)
    message(WARNING "help2man not found (scripts/setup.sh installs it): no manual pages")
    return()
endif()

set(KELVARA_MAN_PAGES)
foreach(program IN ITEMS kelvara kelvara-render)
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
    set(include ${PROJECT_SOURCE_DIR}/packaging/man/${program}.h2m)
    add_custom_command(
        OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND ${PROJECT_SOURCE_DIR}/packaging/man/make_man_page.sh $<TARGET_FILE:${program}>
                ${PROJECT_VERSION} ${include} ${KELVARA_CHANGELOG} ${page}
        DEPENDS ${program} ${include} ${KELVARA_CHANGELOG}
                ${PROJECT_SOURCE_DIR}/packaging/man/make_man_page.sh
                ${PROJECT_SOURCE_DIR}/packaging/man/english_help.sh
        COMMENT "Making the manual page ${program}(1)"
        VERBATIM)
    list(APPEND KELVARA_MAN_PAGES ${page})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${KELVARA_MAN_PAGES})
install(FILES ${KELVARA_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
