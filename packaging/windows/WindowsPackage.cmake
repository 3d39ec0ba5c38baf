# SPDX-License-Identifier: MIT
# Windows packages: a setup program made with NSIS and a ZIP of the portable
# .exe. cpack in a Windows build tree, or cpack -G NSIS / -G ZIP from Debian.
set(CPACK_PACKAGE_NAME Wakeprober)
set(CPACK_PACKAGE_VENDOR "The Wakeprober developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF) # the ZIP holds the .exe itself

# The setup program is our own script, NSIS.template.in beside this file,
# which cpack fills in and hands to makensis: per-user or all-users installs,
# start at sign-in and the check for a running program are more than CPack's
# own template can be told to do.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_WAKEPROBER_ICON ${PROJECT_SOURCE_DIR}/ui/win32/wakeprober.ico)
set(CPACK_WAKEPROBER_LANGUAGES ${PROJECT_BINARY_DIR}/setup-languages.nsh)

# The setup's pages in English and in each catalogue's language, where NSIS
# has it (NSIS picks the user's display language itself), with the setup's own
# texts from the catalogues.
ts_write_setup_pages(${CPACK_WAKEPROBER_LANGUAGES})

# sign-windows.sh makes both packages again around the signed program, which
# it names in CPACK_WAKEPROBER_PROGRAM, and has makensis run it on the
# uninstaller (CPACK_WAKEPROBER_SIGNED: where the signatures go).
set(CPACK_WAKEPROBER_SIGN_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/sign-windows.sh)
list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/CPackSignedProgram.cmake)
include(CPack)
