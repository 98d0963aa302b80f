# What a system installation carries beyond the programs and their data (cmake --install and the
# Debian package alike): the AppStream entry, manual pages made from the programs' --help texts,
# the copyright note and changelog; then the settings of the Debian package (scripts/package).
set(RAZOZ_RELEASE_DATE 2026-12-10) # the day this version was released
set(RAZOZ_MAINTAINER "Razoz-Quorex developers <razoz@tallwick.example>")
execute_process(COMMAND date -u -R -d "${RAZOZ_RELEASE_DATE}" OUTPUT_VARIABLE RAZOZ_RELEASE_DATE_RFC2822
                OUTPUT_STRIP_TRAILING_WHITESPACE)

set(RAZOZ_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
set(RAZOZ_METAINFO ${RAZOZ_PACKAGING_DIR}/example.tallwick.RazozQuorex.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/packaging/razoz-quorex.metainfo.xml.in ${RAZOZ_METAINFO} @ONLY)
install(FILES ${RAZOZ_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Compressed without a time stamp, so the same sources give the same files.
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${RAZOZ_PACKAGING_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${RAZOZ_PACKAGING_DIR}/changelog.gz
  COMMAND gzip -9nkf ${RAZOZ_PACKAGING_DIR}/changelog
  DEPENDS ${RAZOZ_PACKAGING_DIR}/changelog
  VERBATIM)
set(RAZOZ_DOC_FILES ${RAZOZ_PACKAGING_DIR}/changelog.gz)

# One manual page per program: its --help and --version output plus packaging/<program>.h2m.
find_program(HELP2MAN help2man)
if(HELP2MAN)
  set(names razoz "the Razoz-Quorex desktop program"
            razoz-cli "the Razoz-Quorex core from a terminal"
            razoz-server "draw results and web service of Razoz-Quorex")
  while(names)
    list(POP_FRONT names program description)
    if(NOT TARGET ${program})
      continue()
    endif()
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${HELP2MAN} --no-info --section=1 --name=${description}
              --include=${CMAKE_SOURCE_DIR}/packaging/${program}.h2m --output=${page} $<TARGET_FILE:${program}>
      COMMAND gzip -9nf ${page}
      DEPENDS ${program} ${CMAKE_SOURCE_DIR}/packaging/${program}.h2m
      COMMENT "Writing the manual page of ${program}"
      VERBATIM)
    list(APPEND RAZOZ_MAN_PAGES ${page}.gz)
  endwhile()
  install(FILES ${RAZOZ_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man not found: no manual pages (scripts/install-deps installs it)")
endif()
add_custom_target(razoz_system_files ALL DEPENDS ${RAZOZ_DOC_FILES} ${RAZOZ_MAN_PAGES})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${RAZOZ_DOC_FILES}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/razoz-quorex)

# The Debian package: CPack's DEB generator over the install rules above and in install.cmake, so
# the package holds exactly what cmake --install installs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME razoz-quorex)
set(CPACK_PACKAGE_VENDOR Tallwick)
set(CPACK_PACKAGE_CONTACT ${RAZOZ_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # razoz-quorex_<version>_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE http://www.tallwick.example/razoz/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw archive, statistics and tip calculation for La Dovovuduv")
# The lines below the summary line (CPack writes that one itself).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Razoz-Quorex is for players of the Spanish lottery La Dovovuduv (six numbers
of 49, a complementary number and a Reintegro digit). It keeps the archive of
every draw since 17.10.1985 and brings it up to date over HTTP, checks tip rows
against any draw, charts statistics, computes tip rows under many rules and
prints them onto paper play slips. The interface is German and switches to
eight more languages at run time.
.
The package holds the desktop program razoz, razoz-cli (the same core from a
terminal) and razoz-server (a draw-results service).")
# The libraries the programs link come from dpkg-shlibdeps. What Qt opens only at run time is
# named here: the xcb platform plugin (in libqt6gui6 on Debian 12), the multimedia backends (in
# libqt6multimedia6) and Qt's own translations of the standard buttons.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6gui6 (>= 6.4), libqt6multimedia6 (>= 6.4), qt6-translations-l10n")
include(CPack)
# Where scripts/package puts it; the package tests read it from there.
set(RAZOZ_PACKAGE_FILE ${CMAKE_SOURCE_DIR}/build/package/razoz-quorex_${PROJECT_VERSION}_amd64.deb)
