# The Debian package "quillmark", made by CPack from the build tree:
#
#   cpack --config <build dir>/CPackConfig.cmake -B <output dir>
#
# It holds exactly what "cmake --install" installs, under /usr. CPack reuses the programs
# already built, so a package costs seconds rather than a rebuild. Its dependencies are
# worked out from the programs by dpkg-shlibdeps; its version is project()'s. It is a native
# package (no Debian revision): the project packages itself, and the changelog is its own.
include_guard(GLOBAL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Norvane)
set(CPACK_PACKAGE_CONTACT "Norvane <quillmark@norvane.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for formatted web-forum posts")
# Debian's extended description: lines under 80 characters, an empty line between paragraphs.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quillmark is a desktop editor for writing web-forum posts. Compose or paste"
  "formatted text (tables, statistics reports) in a rich-text window, format it"
  "from toolbars and menus, and press Copy to Web: the post is turned into a"
  "compact HTML fragment and put on the clipboard, ready to paste into a"
  "forum's message box."
  ""
  "The package also holds quillmark-convert, the same conversion of RTF"
  "documents to forum HTML on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Spelling (Enchant over Hunspell) needs a dictionary: the common English ones come with the
# package unless the user declines recommended packages, and so do those of the languages the
# program is translated into (German, French, Spanish); any other Hunspell dictionary also
# serves, and the most used other languages are suggested. The program's own translations
# are inside it; Qt's, for the standard dialogs' buttons, come from qt6-translations-l10n.
# LibreOffice Writer, run without its window, opens .odt and .docx documents for the editor
# and the converter; without it they name the package to install.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "hunspell-en-us | hunspell-dictionary, hunspell-en-gb, hunspell-en-au, hunspell-en-ca, hunspell-de-de, hunspell-fr, hunspell-es, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS
  "libreoffice-writer-nogui | libreoffice-writer, hunspell-it, hunspell-nl, hunspell-pt-br, hunspell-pt-pt")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://norvane.example.org/quillmark/)
# Directories 0755 and files 0644 or 0755, whatever the umask of the one who builds.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
