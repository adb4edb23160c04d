# Installation of the editor, the converter, the desktop entry, the icon and the help.
include(GNUInstallDirs)
