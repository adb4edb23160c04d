# Installation of the editor, the desktop entry, the icon and the help (the converter installs
# itself from cli/, so that a build without the editor installs it too).
#
#   cmake --install <build dir> [--prefix <dir>]
#
# puts the programs in bin/, the desktop entry in share/applications/, the icon in the
# hicolor theme, and the user guide's pages in share/doc/quillmark/guide/ (the program itself
# reads them from its resources; the copy is for reading in a browser).
include_guard(GLOBAL)
include(GNUInstallDirs)

set(_quillmark_data ${CMAKE_CURRENT_LIST_DIR}/../app/data)
set(_quillmark_guide ${CMAKE_CURRENT_LIST_DIR}/../editor/help/guide)

install(TARGETS quillmark RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${_quillmark_data}/quillmark.desktop
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${_quillmark_data}/quillmark.svg
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${_quillmark_guide}/
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quillmark/guide
  FILES_MATCHING PATTERN "*.html")
