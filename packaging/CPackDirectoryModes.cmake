# SPDX-License-Identifier: MIT
# Run by cpack on the staged files before it packs them: every directory gets
# the usual 755, whatever the builder's umask; files keep what install() gave.
file(CHMOD_RECURSE ${CPACK_TEMPORARY_INSTALL_DIRECTORY}
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                           WORLD_READ WORLD_EXECUTE)
