# Where `cmake --install` puts everything, in the GNU install directories: the programs in bin/,
# the PDF helper in libexec/orvelis/ (the tool looks there, relative to itself), the sample book
# as the default book in share/orvelis/, the desktop entry, the AppStream metadata, the icons and
# the manual pages.
set(ORVELIS_APP_ID org.orvelis.Reader)
# Folders made by the install are 0755 whatever the umask (Debian's packages want that).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(ORVELIS_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(TARGETS orvelis-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ORVELIS_SAMPLE_BOOK} DESTINATION ${CMAKE_INSTALL_DATADIR}/orvelis)

if(ORVELIS_BUILD_GUI)
  install(TARGETS orvelis RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS orvelis-pdf RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/orvelis)
  install(FILES ${ORVELIS_DATA_DIR}/${ORVELIS_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ORVELIS_DATA_DIR}/${ORVELIS_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${ORVELIS_DATA_DIR}/icons/${ORVELIS_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${ORVELIS_DATA_DIR}/icons/${ORVELIS_APP_ID}-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${ORVELIS_APP_ID}.png)
  endforeach()
endif()

# The manual pages are written for scdoc and turned into troff here, compressed as Debian wants them.
find_program(SCDOC scdoc REQUIRED)
find_program(GZIP gzip REQUIRED)
set(man_pages orvelis-tool.1)
if(ORVELIS_BUILD_GUI)
  list(APPEND man_pages orvelis.1)
endif()
set(man_outputs "")
foreach(page IN LISTS man_pages)
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${page}.scd)
  set(troff ${CMAKE_BINARY_DIR}/man/${page})
  add_custom_command(
    OUTPUT ${troff} ${troff}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -DSCDOC=${SCDOC} -DGZIP=${GZIP} -DSOURCE=${source} -DOUTPUT=${troff}
      -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
    DEPENDS ${source} ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
    COMMENT "Writing the manual page ${page}"
    VERBATIM)
  list(APPEND man_outputs ${troff} ${troff}.gz)
  install(FILES ${troff}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_outputs})
set(ORVELIS_MAN_DIR ${CMAKE_BINARY_DIR}/man CACHE INTERNAL "The built manual pages")

# The package is "orvelis"; CMAKE_INSTALL_DOCDIR would follow the project's capitalised name.
install(FILES ${ORVELIS_DATA_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvelis)
