# SPDX-License-Identifier: MIT
# A Debian package: cpack -G DEB in a build tree.
set(CPACK_PACKAGE_NAME wakeprober)
set(CPACK_PACKAGE_VENDOR "The Wakeprober developers")
set(CPACK_PACKAGE_CONTACT "${WAKEPROBER_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON) # the Qt libraries it links, found by dpkg-shlibdeps
# The package carries a stripped binary; the build trees keep their symbols.
set(CPACK_STRIP_FILES ON)
# The beep plays the desktop's bell sound when these are there, the X bell
# otherwise; Qt's Wayland plugin lets it run on a Wayland session without X11;
# Noto Sans CJK draws the Chinese, Japanese and Korean texts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libcanberra0, libcanberra-pulse, sound-theme-freedesktop, qt6-wayland, fonts-noto-cjk")
# The synopsis is the summary above; this is only the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Wakeprober counts down an interval you choose and then prompts you, with a
flashing box, an optional beep and its window in front of all others, to
stop for a moment and check whether you are awake or dreaming: a daytime
habit that helps you have lucid dreams at night.")
include(CPack)
