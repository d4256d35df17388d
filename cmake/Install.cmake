# How `cmake --install` lays Torvex out, as any Linux desktop program, under a relocatable
# prefix: the programs in bin/, the help file in share/torvex/ (where an installed torvex
# looks for it, relative to its own folder), the desktop entry, icons, AppStream metadata,
# manual pages and the shell completion of torvex-menu.
include(GNUInstallDirs)

set(TORVEX_LINUX_FILES ${CMAKE_SOURCE_DIR}/resources/linux)

install(TARGETS torvex-menu RUNTIME DESTINATION bin)
install(FILES ${TORVEX_LINUX_FILES}/torvex-menu.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TORVEX_LINUX_FILES}/torvex-menu.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME torvex-menu)

if(TORVEX_BUILD_GUI)
  install(TARGETS torvex RUNTIME DESTINATION bin)
  # bin/ and share/torvex/ are fixed: the program finds its help as ../share/torvex/.
  install(FILES ${CMAKE_SOURCE_DIR}/resources/torvex.hlp DESTINATION share/torvex)
  install(FILES ${TORVEX_LINUX_FILES}/torvex.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${TORVEX_LINUX_FILES}/${TORVEX_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TORVEX_LINUX_FILES}/${TORVEX_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/icons/hicolor
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
