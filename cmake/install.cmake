# cmake --install: the three programs in bin/, their data in share/razoz-quorex/ (the language
# files, the shipped archive and results list, slip pictures, sound, user guide), a desktop entry
# and an icon. Started from there, the programs keep the user's data in the per-user data folder,
# seeded from share/razoz-quorex/ (src/app/program_folder.cpp).
include(GNUInstallDirs)
# Folders made by the installation are readable by everyone, whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(RAZOZ_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/razoz-quorex)
file(RELATIVE_PATH RAZOZ_BIN_TO_DATA /${CMAKE_INSTALL_BINDIR} /${RAZOZ_INSTALL_DATADIR})
target_compile_definitions(razoz_app PRIVATE RAZOZ_INSTALLED_DATA="${RAZOZ_BIN_TO_DATA}")

install(TARGETS razoz razoz-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET razoz-server)
  install(TARGETS razoz-server RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${RAZOZ_INSTALL_DATADIR}
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${RAZOZ_SHIPPED_ARCHIVE} DESTINATION ${RAZOZ_INSTALL_DATADIR})
# Where the build renders the user guide itself, that one goes in (it replaces the copy in data/).
if(DEFINED RAZOZ_MANUAL_PDF)
  install(FILES ${RAZOZ_MANUAL_PDF} DESTINATION ${RAZOZ_INSTALL_DATADIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/razoz-quorex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/razoz-quorex.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
