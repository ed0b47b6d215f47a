# Installs Quizra as a desktop program: quizra and quizra-check on the PATH, the sample bank
# read-only in a folder of its own (which the bank lookup reaches last, so that a bank a user or
# an administrator puts in a data folder comes first and no upgrade touches it), a desktop entry,
# the icon in the hicolor theme and AppStream metainfo; CPack turns the same into a .deb.
set(QUIZRA_APP_ID org.quizra.Quizra)

set(QUIZRA_PROGRAMS quizra)
if(TARGET quizra-check)
    list(APPEND QUIZRA_PROGRAMS quizra-check)
    # Its messages in other languages.
    install(DIRECTORY ${CMAKE_BINARY_DIR}/translations/ DESTINATION ${QUIZRA_TRANSLATIONS_INSTALL_DIR}
        FILES_MATCHING PATTERN "*.qm")
endif()
install(TARGETS ${QUIZRA_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY sample/ DESTINATION ${QUIZRA_SAMPLE_INSTALL_DIR}
    FILE_PERMISSIONS OWNER_READ GROUP_READ WORLD_READ
    FILES_MATCHING PATTERN "TOI*.ini" PATTERN "*.bmp" PATTERN "*.png" PATTERN "*.jpg" PATTERN "*.gif")

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
