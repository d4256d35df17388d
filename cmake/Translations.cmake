# The window's translations: translations/torvex_<language>.ts (kept in the source tree and
# refreshed from the sources by scripts/update-translations) are compiled by lrelease into .qm
# files and built into the program as the resource :/translations/torvex_<language>.qm, so a
# build folder, a portable copy and an installed copy all find them.
find_program(TORVEX_LRELEASE NAMES lrelease-qt6 lrelease
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin
             REQUIRED)

file(GLOB TORVEX_TS_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/torvex_*.ts)
set(TORVEX_QM_DIR ${CMAKE_BINARY_DIR}/translations)
set(TORVEX_QM_FILES)
set(TORVEX_QM_ENTRIES)
foreach(ts IN LISTS TORVEX_TS_FILES)
  get_filename_component(base ${ts} NAME_WE)
  set(qm ${TORVEX_QM_DIR}/${base}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TORVEX_QM_DIR}
    COMMAND ${TORVEX_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
    DEPENDS ${ts}
    VERBATIM)
  list(APPEND TORVEX_QM_FILES ${qm})
  string(APPEND TORVEX_QM_ENTRIES "    <file alias=\"${base}.qm\">${qm}</file>\n")
endforeach()

set(TORVEX_TRANSLATIONS_QRC ${CMAKE_BINARY_DIR}/translations.qrc)
file(CONFIGURE OUTPUT ${TORVEX_TRANSLATIONS_QRC} CONTENT
"<!DOCTYPE RCC>
<RCC version=\"1.0\">
  <qresource prefix=\"/translations\">
${TORVEX_QM_ENTRIES}  </qresource>
</RCC>
")

# rcc is run here rather than by AUTORCC, which would not know the .qm files are made first.
set(TORVEX_TRANSLATIONS_CPP ${CMAKE_BINARY_DIR}/qrc_translations.cpp)
add_custom_command(OUTPUT ${TORVEX_TRANSLATIONS_CPP}
  COMMAND Qt6::rcc -name translations -o ${TORVEX_TRANSLATIONS_CPP} ${TORVEX_TRANSLATIONS_QRC}
  DEPENDS ${TORVEX_TRANSLATIONS_QRC} ${TORVEX_QM_FILES}
  VERBATIM)
set_source_files_properties(${TORVEX_TRANSLATIONS_CPP} PROPERTIES SKIP_AUTOGEN ON GENERATED ON)

# The tests check that the .ts files hold every text the sources mark for translation.
find_program(TORVEX_LUPDATE NAMES lupdate-qt6 lupdate
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin
             REQUIRED)
