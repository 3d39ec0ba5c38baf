# SPDX-License-Identifier: MIT
# Windows packages: a setup program made with NSIS and a ZIP of the portable
# .exe. cpack in a Windows build tree, or cpack -G NSIS / -G ZIP from Debian.
set(CPACK_PACKAGE_NAME Wakeprober)
set(CPACK_PACKAGE_VENDOR "The Wakeprober developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF) # the ZIP holds the .exe itself

# The setup program is our own script, cmake/NSIS.template.in, which cpack
# fills in and hands to makensis: per-user or all-users installs, start at
# sign-in and the check for a running program are more than CPack's own
# template can be told to do.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_WAKEPROBER_ICON ${PROJECT_SOURCE_DIR}/ui/win32/wakeprober.ico)
set(CPACK_WAKEPROBER_LANGUAGES ${PROJECT_BINARY_DIR}/setup-languages.nsh)

# NSIS's escapes in a "..." string.
function(_nsis_string text out)
    string(REPLACE "$" "$$" text "${text}")
    string(REPLACE "\"" "$\\\"" text "${text}")
    string(REPLACE "\n" "$\\r$\\n" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# The setup's pages in English and in each catalogue's language, where NSIS
# has it (NSIS picks the user's display language itself), with the setup's own
# texts, data/texts.h's SetupTexts, from the catalogues.
file(READ ${PROJECT_SOURCE_DIR}/data/texts.h texts_h)
string(REGEX MATCHALL "[*] *[A-Za-z]+[ \n]*=[ \n]*Translatable\\([ \n]*\"Setup\",[ \n]*\"[^\"]*\"\\)"
       setup_texts "${texts_h}")
set(nsh "; Generated from data/texts.h and translations/*.ts by the build: edit those.\n")
foreach(language English ${WAKEPROBER_LANGUAGES})
    if(language STREQUAL "English")
        set(nsis English)
    else()
        ts_windows_language(${language} rc nsis)
    endif()
    string(TOUPPER ${nsis} upper)
    string(APPEND nsh "\n; ${language}\n!insertmacro MUI_LANGUAGE \"${nsis}\"\n")
    foreach(entry IN LISTS setup_texts)
        string(REGEX MATCH "^[*] *([A-Za-z]+).*\"Setup\",[ \n]*\"([^\"]*)\"" ignored "${entry}")
        set(name ${CMAKE_MATCH_1})
        set(text "${CMAKE_MATCH_2}")
        if(NOT language STREQUAL "English")
            ts_lookup(ts_${language} Setup "${CMAKE_MATCH_2}" text)
            if(text STREQUAL "")
                set(text "${CMAKE_MATCH_2}")
            endif()
        endif()
        _nsis_string("${text}" text)
        string(APPEND nsh "LangString Setup${name} \${LANG_${upper}} ${text}\n")
    endforeach()
endforeach()
file(CONFIGURE OUTPUT ${CPACK_WAKEPROBER_LANGUAGES} CONTENT "${nsh}" @ONLY)
include(CPack)
