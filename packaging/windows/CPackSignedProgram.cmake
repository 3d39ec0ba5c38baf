# SPDX-License-Identifier: MIT
# Run by cpack on the staged files: when sign-windows.sh makes the packages,
# the signed program goes into them in place of the unsigned one.
if(CPACK_WAKEPROBER_PROGRAM)
    file(COPY_FILE ${CPACK_WAKEPROBER_PROGRAM} ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/wakeprober.exe)
endif()
