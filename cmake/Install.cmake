# How `cmake --install` lays Torvex out, as any Linux desktop program, under a relocatable
# prefix: the programs in bin/, the help files (English, German, French, Spanish) in
# share/torvex/ (where an installed torvex looks for them, relative to its own folder), the
# desktop entry, icons, AppStream metadata, manual pages (compressed as Debian wants them),
# the shell completions of bash, zsh and fish, and the copyright and changelog in
# share/doc/torvex/.
include(GNUInstallDirs)

set(TORVEX_LINUX_FILES ${CMAKE_SOURCE_DIR}/resources/linux)

# gzip -9n: the best compression, without the file's name and time, so that the same source
# gives the same bytes.
set(TORVEX_COMPRESSED_DIR ${CMAKE_BINARY_DIR}/compressed)
set(TORVEX_COMPRESSED)
foreach(file torvex.1 torvex-menu.1 changelog.Debian)
  add_custom_command(OUTPUT ${TORVEX_COMPRESSED_DIR}/${file}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TORVEX_COMPRESSED_DIR}
    COMMAND gzip -9n -c ${TORVEX_LINUX_FILES}/${file} > ${TORVEX_COMPRESSED_DIR}/${file}.gz
    DEPENDS ${TORVEX_LINUX_FILES}/${file}
    VERBATIM)
  list(APPEND TORVEX_COMPRESSED ${TORVEX_COMPRESSED_DIR}/${file}.gz)
endforeach()
add_custom_target(torvex_compressed_files ALL DEPENDS ${TORVEX_COMPRESSED})

install(TARGETS torvex-menu RUNTIME DESTINATION bin)
install(FILES ${TORVEX_COMPRESSED_DIR}/torvex-menu.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TORVEX_LINUX_FILES}/torvex-menu.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME torvex-menu)
install(FILES ${TORVEX_LINUX_FILES}/torvex-menu.zsh-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions
        RENAME _torvex-menu)
install(FILES ${TORVEX_LINUX_FILES}/torvex-menu.fish
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)
install(FILES ${TORVEX_LINUX_FILES}/copyright ${TORVEX_COMPRESSED_DIR}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/torvex)
install(FILES ${TORVEX_LINUX_FILES}/torvex.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME torvex)

if(TORVEX_BUILD_GUI)
  install(TARGETS torvex RUNTIME DESTINATION bin)
  # bin/ and share/torvex/ are fixed: the program finds its help as ../share/torvex/.
  install(FILES ${TORVEX_HELP_FILES} DESTINATION share/torvex)
  install(FILES ${TORVEX_COMPRESSED_DIR}/torvex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${TORVEX_LINUX_FILES}/torvex.bash-completion
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
          RENAME torvex)
  install(FILES ${TORVEX_LINUX_FILES}/torvex.zsh-completion
          DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions
          RENAME _torvex)
  install(FILES ${TORVEX_LINUX_FILES}/torvex.fish
          DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)
  # The pictures the AppStream metadata names, made by scripts/screenshot.
  install(DIRECTORY ${TORVEX_LINUX_FILES}/screenshots DESTINATION share/torvex)
  install(FILES ${TORVEX_LINUX_FILES}/${TORVEX_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TORVEX_LINUX_FILES}/${TORVEX_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/icons/hicolor
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
