# SPDX-License-Identifier: MIT
# What Qt's own tools do not make from the translators' catalogues (Qt
# Linguist's .ts files): the Win32 string tables and the setup program's
# languages, written by packaging/windows/string_tables.py, and the translated
# keys of the desktop entry and the metainfo, which gettext's msgfmt writes
# from the catalogues in gettext's form (converted by Qt's lconvert). All at configure time: editing a catalogue
# configures again.
set(_string_tables ${PROJECT_SOURCE_DIR}/packaging/windows/string_tables.py)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${WAKEPROBER_TS_FILES} ${_string_tables})

# Windows' language of each catalogue, one line per language: the catalogue's
# language, the names of winnt.h that its LANGUAGE statement takes, and NSIS's
# name for the setup program's pages. A language without a region serves every
# region of it. A new catalogue needs its line here.
set(WAKEPROBER_WIN32_LANGUAGES
    "ar     LANG_ARABIC, SUBLANG_NEUTRAL                     Arabic"
    "cs     LANG_CZECH, SUBLANG_NEUTRAL                      Czech"
    "da     LANG_DANISH, SUBLANG_NEUTRAL                     Danish"
    "de     LANG_GERMAN, SUBLANG_NEUTRAL                     German"
    "el     LANG_GREEK, SUBLANG_NEUTRAL                      Greek"
    "es     LANG_SPANISH, SUBLANG_NEUTRAL                    Spanish"
    "fi     LANG_FINNISH, SUBLANG_NEUTRAL                    Finnish"
    "fr     LANG_FRENCH, SUBLANG_NEUTRAL                     French"
    "he     LANG_HEBREW, SUBLANG_NEUTRAL                     Hebrew"
    "hu     LANG_HUNGARIAN, SUBLANG_NEUTRAL                  Hungarian"
    "id     LANG_INDONESIAN, SUBLANG_NEUTRAL                 Indonesian"
    "it     LANG_ITALIAN, SUBLANG_NEUTRAL                    Italian"
    "ja     LANG_JAPANESE, SUBLANG_NEUTRAL                   Japanese"
    "ko     LANG_KOREAN, SUBLANG_NEUTRAL                     Korean"
    "nb     LANG_NORWEGIAN, SUBLANG_NEUTRAL                  Norwegian"
    "nl     LANG_DUTCH, SUBLANG_NEUTRAL                      Dutch"
    "pl     LANG_POLISH, SUBLANG_NEUTRAL                     Polish"
    "pt     LANG_PORTUGUESE, SUBLANG_NEUTRAL                 Portuguese"
    "pt_BR  LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN    PortugueseBR"
    "ru     LANG_RUSSIAN, SUBLANG_NEUTRAL                    Russian"
    "sv     LANG_SWEDISH, SUBLANG_NEUTRAL                    Swedish"
    "tr     LANG_TURKISH, SUBLANG_NEUTRAL                    Turkish"
    "uk     LANG_UKRAINIAN, SUBLANG_NEUTRAL                  Ukrainian"
    "vi     LANG_VIETNAMESE, SUBLANG_NEUTRAL                 Vietnamese"
    "zh_CN  LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED         SimpChinese"
    "zh_TW  LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL        TradChinese")

set(WAKEPROBER_LANGUAGES)
foreach(ts ${WAKEPROBER_TS_FILES})
    get_filename_component(name ${ts} NAME_WE)
    string(REPLACE "wakeprober_" "" language ${name})
    list(APPEND WAKEPROBER_LANGUAGES ${language})
endforeach()

find_package(Python3 REQUIRED COMPONENTS Interpreter)

# ts_write_win32(RC HEADER FIRST_ID): the string tables for English and every
# catalogue, and the table by which the program finds a text's id: its
# context and English.
function(ts_write_win32 rc header first_id)
    list(JOIN WAKEPROBER_WIN32_LANGUAGES "\n" languages)
    execute_process(COMMAND ${Python3_EXECUTABLE}
                            ${_string_tables} ${rc} ${header}
                            ${first_id} ${languages} ${WAKEPROBER_TS_FILES}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "The Win32 string tables could not be written (above: why)")
    endif()
endfunction()

# ts_write_setup_pages(NSH): the setup program's languages, in English and in
# every catalogue's, each with the setup's own texts (data/texts.h's SetupTexts).
function(ts_write_setup_pages nsh)
    list(JOIN WAKEPROBER_WIN32_LANGUAGES "\n" languages)
    execute_process(COMMAND ${Python3_EXECUTABLE}
                            ${_string_tables} --setup ${nsh}
                            ${PROJECT_SOURCE_DIR}/data/texts.h ${languages} ${WAKEPROBER_TS_FILES}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "The setup program's languages could not be written (above: why)")
    endif()
endfunction()

if(WIN32)
    return() # the desktop files are Linux's
endif()

# The catalogues as gettext's msgfmt reads them: LANG.po and their list,
# LINGUAS, in one folder.
find_package(Gettext 0.19.8 REQUIRED) # msgfmt --desktop and --xml
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
get_target_property(_lconvert Qt6::lconvert LOCATION)
set(_po_folder ${PROJECT_BINARY_DIR}/po)
file(MAKE_DIRECTORY ${_po_folder})
foreach(language ${WAKEPROBER_LANGUAGES})
    set(ts ${PROJECT_SOURCE_DIR}/translations/wakeprober_${language}.ts)
    execute_process(COMMAND ${_lconvert} -i ${ts} -o ${_po_folder}/${language}.po
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "lconvert could not read translations/wakeprober_${language}.ts")
    endif()
    # lconvert keeps Qt's context of each text ("Desktop|"); msgfmt looks a
    # desktop file's text up by itself alone.
    file(READ ${_po_folder}/${language}.po po)
    string(REPLACE "\nmsgctxt \"Desktop|\"\n" "\n" po "${po}")
    file(WRITE ${_po_folder}/${language}.po "${po}")
endforeach()
# msgfmt --xml puts each language straight after the English, so that the last
# one listed comes first: listed backwards, the metainfo has them in order.
set(_linguas ${WAKEPROBER_LANGUAGES})
list(REVERSE _linguas)
list(JOIN _linguas "\n" _linguas)
file(WRITE ${_po_folder}/LINGUAS "${_linguas}\n")

function(_msgfmt mode template out)
    execute_process(COMMAND ${GETTEXT_MSGFMT_EXECUTABLE} ${mode} ${ARGN} --template=${template}
                            -d ${_po_folder} -o ${out}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "msgfmt ${mode} could not translate ${template}")
    endif()
endfunction()

# ts_translate_desktop(IN OUT): the desktop entry with KEY[LANGUAGE] lines
# before each of its translatable keys.
function(ts_translate_desktop in out)
    _msgfmt(--desktop ${in} ${out} --keyword= --keyword=GenericName --keyword=Comment
            --keyword=Keywords)
endfunction()

# ts_translate_metainfo(IN OUT): the metainfo with an xml:lang twin after its
# summary, its description's paragraph and its screenshot's caption. msgfmt
# takes AppStream's rules for which elements those are; IN's name must end
# in .metainfo.xml for it to find them.
function(ts_translate_metainfo in out)
    _msgfmt(--xml ${in} ${out})
endfunction()
