# Installs Quizra as a self-contained program folder (program, question bank, icon) with a link
# on the PATH, a desktop entry, the icon in the hicolor theme and AppStream metainfo; CPack turns
# the same into a .deb.
include(GNUInstallDirs)

set(QUIZRA_PROGRAM_DIR /opt/quizra CACHE PATH "Folder of the program and its question bank")
set(QUIZRA_APP_ID org.quizra.Quizra)

set(QUIZRA_PROGRAMS quizra)
if(TARGET quizra-check)
    list(APPEND QUIZRA_PROGRAMS quizra-check)
    # Its messages in other languages, looked up beside the program.
    install(DIRECTORY ${CMAKE_BINARY_DIR}/translations/ DESTINATION ${QUIZRA_PROGRAM_DIR}/translations
        FILES_MATCHING PATTERN "*.qm")
endif()
install(TARGETS ${QUIZRA_PROGRAMS} RUNTIME DESTINATION ${QUIZRA_PROGRAM_DIR})
install(DIRECTORY sample/ DESTINATION ${QUIZRA_PROGRAM_DIR}
    FILES_MATCHING PATTERN "TOI*.ini" PATTERN "*.bmp" PATTERN "*.png" PATTERN "*.jpg" PATTERN "*.gif")
install(FILES app/icon/quizra-32.png DESTINATION ${QUIZRA_PROGRAM_DIR} RENAME quizra.png)

# quizra and quizra-check on the PATH: links into the program folder, where the bank lives.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/links)
foreach(program ${QUIZRA_PROGRAMS})
    file(CREATE_LINK ${QUIZRA_PROGRAM_DIR}/${program} ${CMAKE_BINARY_DIR}/links/${program} SYMBOLIC)
    install(FILES ${CMAKE_BINARY_DIR}/links/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(FILES dist/${QUIZRA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/${QUIZRA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 32 128)
    install(FILES app/icon/quizra-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${QUIZRA_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quizra)
set(CPACK_PACKAGE_VENDOR "The Quizra developers")
set(CPACK_PACKAGE_CONTACT "The Quizra developers <quizra@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Timed multiple-choice mock exams with a Japanese interface")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
