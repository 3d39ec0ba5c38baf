# SPDX-License-Identifier: MIT
# Windows packages: a setup program made with NSIS (a Start-menu shortcut and
# an uninstaller that Windows lists) and a ZIP of the portable .exe.
# cpack in a Windows build tree, or cpack -G NSIS / -G ZIP from Debian.
set(CPACK_PACKAGE_NAME Wakeprober)
set(CPACK_PACKAGE_VENDOR "The Wakeprober developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Wakeprober)
set(CPACK_PACKAGE_EXECUTABLES wakeprober Wakeprober) # the Start-menu shortcut
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF) # the ZIP holds the .exe itself

set(CPACK_NSIS_PACKAGE_NAME Wakeprober)
set(CPACK_NSIS_DISPLAY_NAME Wakeprober)
set(CPACK_NSIS_INSTALLED_ICON_NAME wakeprober.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/ui/win32/wakeprober.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/ui/win32/wakeprober.ico)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit setup program: the default 32-bit one needs a 32-bit Windows
# subsystem, which 64-bit-only Wine (as Debian ships it) does not have.
# Files are installed without the time they were built at, so that two builds
# of a commit make the same setup program.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\nSetDateSave off")
include(CPack)
