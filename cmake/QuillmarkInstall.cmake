# Installation of the editor and of everything a desktop and a shell expect of it (the
# converter installs itself from cli/, so that a build without the editor installs it too).
#
#   cmake --install <build dir> [--prefix <dir>]
#
# puts the programs in bin/ (the converter's via-editor helper in libexec/quillmark/), the
# desktop entry in share/applications/, the icon in the hicolor theme, the AppStream metainfo
# in share/metainfo/, the manual pages in share/man/man1/, the converter's bash completion
# where bash-completion looks for it, and the user guide's pages, the copyright and the
# changelog in share/doc/quillmark/ (the program itself reads the guide from its resources;
# the copy is for reading in a browser). cmake/QuillmarkPackage.cmake makes a Debian package
# of the same files.
include_guard(GLOBAL)
include(GNUInstallDirs)

set(_quillmark_data ${CMAKE_CURRENT_LIST_DIR}/../app/data)
set(_quillmark_guide ${CMAKE_CURRENT_LIST_DIR}/../editor/help/guide)
set(_quillmark_man ${CMAKE_CURRENT_LIST_DIR}/../man)
set(_quillmark_packaging ${CMAKE_CURRENT_LIST_DIR}/../packaging)
set(_quillmark_generated ${PROJECT_BINARY_DIR}/generated/install)

# The day this version was released: the manual pages, the metainfo and the changelog carry
# it. Set it together with the version in project().
set(QUILLMARK_RELEASE_DATE 2026-12-09)
# The desktop entry's file name: AppStream's launchable names it, and the editor announces
# it to the desktop (QGuiApplication::setDesktopFileName in app/main.cpp).
set(QUILLMARK_DESKTOP_FILE quillmark.desktop)
set(QUILLMARK_APPSTREAM_ID org.norvane.Quillmark)
# The package's name, not GNUInstallDirs' project name: Debian keeps a package's documents
# in /usr/share/doc/<package>.
set(QUILLMARK_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quillmark)
# Where bash-completion loads completions from on demand, relative to the prefix when it
# lies under bash-completion's own prefix (as it does for a package installed in /usr).
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_get_variable(_completions bash-completion completionsdir)
  pkg_get_variable(_completions_prefix bash-completion prefix)
endif()
if(_completions AND _completions_prefix AND _completions MATCHES "^${_completions_prefix}/(.+)$")
  set(QUILLMARK_COMPLETIONSDIR ${CMAKE_MATCH_1})
elseif(_completions)
  set(QUILLMARK_COMPLETIONSDIR ${_completions})
else()
  set(QUILLMARK_COMPLETIONSDIR ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions)
endif()

install(TARGETS quillmark RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${_quillmark_data}/${QUILLMARK_DESKTOP_FILE}
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${_quillmark_data}/quillmark.svg
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${_quillmark_guide}/
  DESTINATION ${QUILLMARK_DOCDIR}/guide
  FILES_MATCHING PATTERN "*.html")

configure_file(${_quillmark_data}/${QUILLMARK_APPSTREAM_ID}.metainfo.xml.in
  ${_quillmark_generated}/${QUILLMARK_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${_quillmark_generated}/${QUILLMARK_APPSTREAM_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/../completion/quillmark-convert.bash
  DESTINATION ${QUILLMARK_COMPLETIONSDIR} RENAME quillmark-convert)

install(FILES ${_quillmark_packaging}/copyright DESTINATION ${QUILLMARK_DOCDIR})

# The manual pages name installed paths, so they are made at install time, when the prefix
# is known (a package sets its own), and compressed as manual pages and changelogs are on
# Debian (gzip -n: no name or time stamp, so the same sources give the same bytes).
find_program(QUILLMARK_GZIP gzip REQUIRED)
execute_process(COMMAND date -u -R -d "${QUILLMARK_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE QUILLMARK_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/QuillmarkInstallPages.cmake.in
  ${_quillmark_generated}/QuillmarkInstallPages.cmake @ONLY)
install(CODE "include([[${_quillmark_generated}/QuillmarkInstallPages.cmake]])")
install(FILES ${_quillmark_generated}/quillmark.1.gz ${_quillmark_generated}/quillmark-convert.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_quillmark_generated}/changelog.gz DESTINATION ${QUILLMARK_DOCDIR})

include(QuillmarkPackage)
