# The help file beside the built programs, and what `cmake --install` puts under the prefix:
# the programs, the help file, and the desktop entry, icon and metainfo of the main window.
# GNUInstallDirs is included by the top-level file, before the Qt programs use its folders.

# One reverse-DNS id names the desktop entry, the icon and the metainfo file.
set(PELMIRA_APP_ID io.github.pelmira.Pelmira)
# The date of the metainfo's release entry for PROJECT_VERSION; change both together.
set(PELMIRA_RELEASE_DATE 2026-12-08)

# The main window looks for pelmira.hlp in its own folder first, so build/pelmira finds it
# here; installed, it finds it in PELMIRA_DATA_DIR.
configure_file(data/pelmira.hlp ${PROJECT_BINARY_DIR}/pelmira.hlp COPYONLY)
configure_file(data/${PELMIRA_APP_ID}.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/${PELMIRA_APP_ID}.metainfo.xml @ONLY)

# lunoka runs lunoka-window from its own folder, so the two always go to the same place.
set(PELMIRA_INSTALLED_PROGRAMS)
foreach(program IN ITEMS pelmira pelmira-cli lunoka lunoka-window)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    list(APPEND PELMIRA_INSTALLED_PROGRAMS ${program})
  endif()
endforeach()

# The desktop files belong to the window programs; a build without Qt installs the
# command-line tool alone.
if(PELMIRA_WITH_QT)
  install(FILES data/pelmira.hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/pelmira)
  # An example only: a login start of `lunoka --notify` that the user copies to
  # ~/.config/autostart/ (see the README); nothing starts it as installed.
  install(FILES data/lunoka-autostart.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/pelmira/examples)
  install(FILES data/${PELMIRA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/${PELMIRA_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_BINARY_DIR}/${PELMIRA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
