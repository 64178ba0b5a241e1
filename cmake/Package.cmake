# `cpack -G DEB` (scripts/make-deb.sh) makes a Debian package of what `cmake --install` installs,
# with its dependencies computed from the programs' libraries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME orvelis)
set(CPACK_PACKAGE_VENDOR "The Orvelis developers")
set(CPACK_PACKAGE_CONTACT "The Orvelis developers <maintainers@orvelis.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reader for one large book in Russian and English")
set(CPACK_PACKAGE_DESCRIPTION
  "Orvelis shows one large book in two languages, Russian and English, side by
side or paragraph by paragraph, with a book tree, a search over both languages,
favourites and parallel-text output. The package holds the reader, the
command-line tool orvelis-tool and a sample book.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/orvelis/orvelis")
# Qt's own Russian texts (dialog buttons), and the English-Russian dictionary the word translation uses.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "dict-freedict-eng-rus")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_GENERATOR DEB)
include(CPack)

# Debian's changelog, compressed, in the package's documentation folder.
set(ORVELIS_DEB_CHANGELOG ${CMAKE_BINARY_DIR}/debian/changelog.gz)
add_custom_command(
  OUTPUT ${ORVELIS_DEB_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/debian
  COMMAND ${GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/data/debian/changelog > ${ORVELIS_DEB_CHANGELOG}
  DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog
  COMMENT "Compressing the Debian changelog")
add_custom_target(debian_changelog ALL DEPENDS ${ORVELIS_DEB_CHANGELOG})
install(FILES ${ORVELIS_DEB_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvelis)
