# SPDX-License-Identifier: MIT
# What a build for distribution adds (the release and win64 presets): the
# hardening Debian gives its own packages, and no trace of where or when it
# was built, so that anyone can rebuild a commit and get the same bytes.

# Archives and packages are dated by the last commit unless the builder says
# otherwise; cpack reads the variable when it runs (packaging/CPackDistribution.cmake.in).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(WAKEPROBER_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE WAKEPROBER_SOURCE_DATE_EPOCH
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(WAKEPROBER_SOURCE_DATE_EPOCH STREQUAL "")
        message(WARNING "No commit to date the build by: set SOURCE_DATE_EPOCH to build it reproducibly")
    endif()
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/CPackDistribution.cmake.in
               ${PROJECT_BINARY_DIR}/CPackDistribution.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackDistribution.cmake)
# The build's own generators read it too: rcc dates the embedded catalogues by it.
if(NOT WAKEPROBER_SOURCE_DATE_EPOCH STREQUAL "")
    set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
                 "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${WAKEPROBER_SOURCE_DATE_EPOCH}")
endif()
# Staged directories would otherwise follow the builder's umask.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/CPackDirectoryModes.cmake)

if(MSVC)
    return()
endif()
# Source and build paths are written into the objects as "." and "build".
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)

if(WIN32)
    # mingw-w64: a stack protector and fortified functions through its static
    # libssp; no build time in the PE header. ASLR, high-entropy ASLR and NX
    # are the linker's defaults.
    add_compile_options(-fstack-protector-strong -D_FORTIFY_SOURCE=2)
    add_link_options(-fstack-protector-strong -Wl,--no-insert-timestamp)
    return()
endif()

# Debian's flags for hardening=+all, from dpkg-buildflags where it is there so
# that they follow the distribution; the build type keeps its own -O and -g.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                ${DPKG_BUILDFLAGS} --get ${kind}
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(g|O[0-9sz]?)$")
        set(hardening_${kind} ${flags})
    endforeach()
else()
    set(hardening_CPPFLAGS -D_FORTIFY_SOURCE=2)
    set(hardening_CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security)
    set(hardening_LDFLAGS -Wl,-z,relro -Wl,-z,now)
endif()
# Older dpkg (Debian 12's 1.21) leaves out what 1.22 added to hardening=+all:
# stack clash protection, and control-flow protection where the CPU has it.
include(CheckCXXCompilerFlag)
foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "has${flag}" has)
    check_cxx_compiler_flag(${flag} ${has})
    if(${has} AND NOT "${flag}" IN_LIST hardening_CXXFLAGS)
        list(APPEND hardening_CXXFLAGS ${flag})
    endif()
endforeach()
add_compile_options(${hardening_CPPFLAGS} ${hardening_CXXFLAGS})
add_link_options(${hardening_LDFLAGS})
