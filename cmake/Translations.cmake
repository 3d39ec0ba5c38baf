# SPDX-License-Identifier: MIT
# Reads the translators' catalogues (Qt Linguist's .ts files) at configure
# time, for what Qt's own tools do not make: the Win32 string tables, and the
# translated keys of the desktop entry and the metainfo. Editing a catalogue
# configures again.
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${WAKEPROBER_TS_FILES})

# The text between the first <tag ...> and </tag> in xml, unescaped.
function(_ts_element xml tag out)
    set(value "")
    string(FIND "${xml}" "<${tag}" start)
    if(start GREATER -1)
        string(SUBSTRING "${xml}" ${start} -1 rest)
        string(FIND "${rest}" ">" open)
        string(FIND "${rest}" "</${tag}>" close)
        if(close GREATER open)
            math(EXPR from "${open} + 1")
            math(EXPR length "${close} - ${from}")
            string(SUBSTRING "${rest}" ${from} ${length} value)
        endif()
    endif()
    # Characters by number (Linguist writes a no-break space as &#xa0;), in UTF-8.
    while(value MATCHES "&#(x[0-9a-fA-F]+|[0-9]+);")
        set(reference "${CMAKE_MATCH_0}")
        string(REGEX REPLACE "^x" "0x" number "${CMAKE_MATCH_1}")
        math(EXPR code "${number}")
        if(code LESS 128)
            string(ASCII ${code} character)
        elseif(code LESS 2048)
            math(EXPR b1 "192 + (${code} >> 6)")
            math(EXPR b2 "128 + (${code} & 63)")
            string(ASCII ${b1} ${b2} character)
        else()
            math(EXPR b1 "224 + (${code} >> 12)")
            math(EXPR b2 "128 + ((${code} >> 6) & 63)")
            math(EXPR b3 "128 + (${code} & 63)")
            string(ASCII ${b1} ${b2} ${b3} character)
        endif()
        string(REPLACE "${reference}" "${character}" value "${value}")
    endwhile()
    foreach(pair "&quot;|\"" "&apos;|'" "&lt;|<" "&gt;|>" "&amp;|&")
        string(FIND "${pair}" "|" bar)
        string(SUBSTRING "${pair}" 0 ${bar} entity)
        math(EXPR bar "${bar} + 1")
        string(SUBSTRING "${pair}" ${bar} -1 character)
        string(REPLACE "${entity}" "${character}" value "${value}")
    endforeach()
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# Takes the first <tag ...>...</tag> block out of the variable named by
# text_var into out ("" when there is none).
function(_ts_take text_var tag out)
    set(${out} "" PARENT_SCOPE)
    string(FIND "${${text_var}}" "<${tag}" start)
    string(FIND "${${text_var}}" "</${tag}>" end)
    if(start EQUAL -1 OR end EQUAL -1)
        return()
    endif()
    math(EXPR length "${end} - ${start}")
    string(SUBSTRING "${${text_var}}" ${start} ${length} block)
    string(LENGTH "</${tag}>" closing)
    math(EXPR end "${end} + ${closing}")
    string(SUBSTRING "${${text_var}}" ${end} -1 rest)
    set(${out} "${block}" PARENT_SCOPE)
    set(${text_var} "${rest}" PARENT_SCOPE)
endfunction()

# ts_read(FILE PREFIX) sets PREFIX_LANGUAGE (de, pt_BR, ...), PREFIX_COUNT and,
# for each message I from 0, PREFIX_I_CONTEXT, PREFIX_I_SOURCE and
# PREFIX_I_TRANSLATION (empty while unfinished).
function(ts_read file prefix)
    file(READ ${file} xml)
    string(REGEX MATCH "language=\"([^\"]*)\"" ignored "${xml}")
    set(${prefix}_LANGUAGE ${CMAKE_MATCH_1} PARENT_SCOPE)
    set(count 0)
    _ts_take(xml context context)
    while(NOT context STREQUAL "")
        _ts_element("${context}" name context_name)
        _ts_take(context message message)
        while(NOT message STREQUAL "")
            _ts_element("${message}" source source)
            _ts_element("${message}" translation translation)
            if(message MATCHES "type=\"(unfinished|vanished|obsolete)\"")
                set(translation "")
            endif()
            set(${prefix}_${count}_CONTEXT "${context_name}" PARENT_SCOPE)
            set(${prefix}_${count}_SOURCE "${source}" PARENT_SCOPE)
            set(${prefix}_${count}_TRANSLATION "${translation}" PARENT_SCOPE)
            math(EXPR count "${count} + 1")
            _ts_take(context message message)
        endwhile()
        _ts_take(xml context context)
    endwhile()
    set(${prefix}_COUNT ${count} PARENT_SCOPE)
endfunction()

# ts_lookup(PREFIX CONTEXT SOURCE OUT): the translation of one text, or "".
function(ts_lookup prefix context source out)
    set(${out} "" PARENT_SCOPE)
    math(EXPR last "${${prefix}_COUNT} - 1")
    foreach(i RANGE ${last})
        if("${${prefix}_${i}_CONTEXT}" STREQUAL "${context}"
           AND "${${prefix}_${i}_SOURCE}" STREQUAL "${source}")
            set(${out} "${${prefix}_${i}_TRANSLATION}" PARENT_SCOPE)
            return()
        endif()
    endforeach()
endfunction()

set(WAKEPROBER_LANGUAGES)
foreach(ts ${WAKEPROBER_TS_FILES})
    get_filename_component(name ${ts} NAME_WE)
    string(REPLACE "wakeprober_" "" language ${name})
    ts_read(${ts} ts_${language})
    list(APPEND WAKEPROBER_LANGUAGES ${language})
endforeach()

# Windows' language of each catalogue: LANG_ and SUBLANG_ names of winnt.h, and
# NSIS's name for the setup program's pages. A language without a region
# matches every region of it; a new language needs its line here.
set(_win32_languages
    "de|GERMAN|German" "es|SPANISH|Spanish" "fr|FRENCH|French" "it|ITALIAN|Italian"
    "nl|DUTCH|Dutch" "pl|POLISH|Polish" "pt|PORTUGUESE|Portuguese"
    "pt_BR|PORTUGUESE,SUBLANG_PORTUGUESE_BRAZILIAN|PortugueseBR" "ru|RUSSIAN|Russian"
    "uk|UKRAINIAN|Ukrainian" "cs|CZECH|Czech" "sv|SWEDISH|Swedish" "da|DANISH|Danish"
    "fi|FINNISH|Finnish" "nb|NORWEGIAN|Norwegian" "tr|TURKISH|Turkish"
    "hu|HUNGARIAN|Hungarian" "el|GREEK|Greek" "ja|JAPANESE|Japanese" "ko|KOREAN|Korean"
    "zh_CN|CHINESE,SUBLANG_CHINESE_SIMPLIFIED|SimpChinese"
    "zh_TW|CHINESE,SUBLANG_CHINESE_TRADITIONAL|TradChinese")

# ts_windows_language(LANGUAGE RC_OUT NSIS_OUT): a catalogue's language as the
# .rc file's LANGUAGE statement names it ("LANG_GERMAN, SUBLANG_NEUTRAL") and
# as NSIS names it ("German").
function(ts_windows_language language rc_out nsis_out)
    string(REGEX REPLACE "_.*" "" primary ${language})
    set(windows "")
    foreach(entry ${_win32_languages})
        if(entry MATCHES "^${language}\\|([^|]*)\\|(.*)$")
            set(windows ${CMAKE_MATCH_1})
            set(nsis ${CMAKE_MATCH_2})
        elseif(windows STREQUAL "" AND entry MATCHES "^${primary}\\|([^|]*)\\|(.*)$")
            set(windows ${CMAKE_MATCH_1})
            set(nsis ${CMAKE_MATCH_2})
        endif()
    endforeach()
    if(windows STREQUAL "")
        message(FATAL_ERROR "translations/wakeprober_${language}.ts: add its Windows "
                            "language to _win32_languages in ${CMAKE_CURRENT_FUNCTION_LIST_FILE}")
    endif()
    if(NOT windows MATCHES ",")
        string(APPEND windows ",SUBLANG_NEUTRAL")
    endif()
    string(REPLACE "," ", " windows "LANG_${windows}")
    set(${rc_out} "${windows}" PARENT_SCOPE)
    set(${nsis_out} "${nsis}" PARENT_SCOPE)
endfunction()

function(_rc_string text out)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\"\"" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

function(_cxx_string text out)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# ts_write_win32(RC HEADER): string tables for English and every catalogue,
# one LANGUAGE block each, so that Windows picks the display language itself,
# and the table by which the program finds a text's id: context and English.
function(ts_write_win32 rc header first_id)
    list(GET WAKEPROBER_LANGUAGES 0 first)
    set(table "// Generated from translations/*.ts by the build: edit those.\n#pragma once\n\n")
    string(APPEND table "#include <string_view>\n\nstruct CatalogueEntry {\n")
    string(APPEND table "    unsigned id;\n    std::string_view context, english;\n};\n\n")
    string(APPEND table "constexpr CatalogueEntry Catalogue[] = {\n")
    set(english "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\nSTRINGTABLE\nBEGIN\n")
    set(count 0)
    if(first)
        set(count ${ts_${first}_COUNT})
    endif()
    if(count GREATER 0)
        math(EXPR last "${count} - 1")
        foreach(i RANGE ${last})
            if("${ts_${first}_${i}_CONTEXT}" MATCHES "^(Desktop|Setup)$")
                continue() # the desktop files' and the setup's texts, not the program's
            endif()
            math(EXPR id "${first_id} + ${i}")
            _cxx_string("${ts_${first}_${i}_CONTEXT}" context)
            _cxx_string("${ts_${first}_${i}_SOURCE}" source)
            string(APPEND table "    { ${id}, ${context}, ${source} },\n")
            _rc_string("${ts_${first}_${i}_SOURCE}" source)
            string(APPEND english "    ${id}, ${source}\n")
        endforeach()
    endif()
    string(APPEND table "};\n")
    string(APPEND english "END\n")

    set(blocks "")
    foreach(language ${WAKEPROBER_LANGUAGES})
        ts_windows_language(${language} windows nsis)
        string(APPEND blocks "\nLANGUAGE ${windows}\nSTRINGTABLE\nBEGIN\n")
        foreach(i RANGE ${last})
            if("${ts_${first}_${i}_CONTEXT}" MATCHES "^(Desktop|Setup)$")
                continue()
            endif()
            ts_lookup(ts_${language} "${ts_${first}_${i}_CONTEXT}" "${ts_${first}_${i}_SOURCE}" text)
            if(text STREQUAL "")
                set(text "${ts_${first}_${i}_SOURCE}")
            endif()
            math(EXPR id "${first_id} + ${i}")
            _rc_string("${text}" text)
            string(APPEND blocks "    ${id}, ${text}\n")
        endforeach()
        string(APPEND blocks "END\n")
    endforeach()
    file(CONFIGURE OUTPUT ${header} CONTENT "${table}" @ONLY)
    file(CONFIGURE OUTPUT ${rc} CONTENT "// Generated from translations/*.ts by the build: edit those.
#pragma code_page(65001)
#include <winresrc.h>

${english}${blocks}" @ONLY)
endfunction()

# The translations of one English text of the desktop files, as
# "LANGUAGE|TRANSLATION" items; configuring stops if the catalogues do not
# have the text, so that the files and the marks in data/texts.h stay in step.
function(_desktop_translations english out)
    set(found)
    foreach(language ${WAKEPROBER_LANGUAGES})
        ts_lookup(ts_${language} Desktop "${english}" text)
        if(text STREQUAL "")
            message(FATAL_ERROR "\"${english}\" is not translated in wakeprober_${language}.ts: "
                                "mark it in data/texts.h and run the update_translations target")
        endif()
        string(REPLACE ";" "\\;" text "${text}")
        list(APPEND found "${language}|${text}")
    endforeach()
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

# ts_translate_desktop(IN OUT): the desktop entry with KEY[LANGUAGE] lines
# after each of its translatable keys.
function(ts_translate_desktop in out)
    file(READ ${in} content)
    foreach(key GenericName Comment Keywords)
        string(REGEX MATCH "\n${key}=([^\n]*)" line "${content}")
        set(english "${CMAKE_MATCH_1}")
        _desktop_translations("${english}" translations)
        set(added "")
        foreach(item IN LISTS translations)
            string(REGEX REPLACE "^([^|]*)\\|(.*)$" "\\1" language "${item}")
            string(REGEX REPLACE "^([^|]*)\\|(.*)$" "\\2" text "${item}")
            string(APPEND added "\n${key}[${language}]=${text}")
        endforeach()
        string(REPLACE "${line}" "${line}${added}" content "${content}")
    endforeach()
    file(CONFIGURE OUTPUT ${out} CONTENT "${content}" @ONLY)
endfunction()

# ts_translate_metainfo(CONTENT OUT_VARIABLE): the metainfo with an
# xml:lang twin after its summary, its description's paragraph and its
# screenshot's caption.
function(ts_translate_metainfo content out)
    foreach(tag summary p caption)
        string(REGEX MATCH "( *)<${tag}>([^<]*)</${tag}>" element "${content}")
        set(indent "${CMAKE_MATCH_1}")
        string(REGEX REPLACE "[ \n]+" " " english "${CMAKE_MATCH_2}")
        string(STRIP "${english}" english)
        _desktop_translations("${english}" translations)
        set(added "")
        foreach(item IN LISTS translations)
            string(REGEX REPLACE "^([^|]*)\\|(.*)$" "\\1" language "${item}")
            string(REGEX REPLACE "^([^|]*)\\|(.*)$" "\\2" text "${item}")
            string(REPLACE "&" "&amp;" text "${text}")
            string(REPLACE "<" "&lt;" text "${text}")
            string(APPEND added "\n${indent}<${tag} xml:lang=\"${language}\">${text}</${tag}>")
        endforeach()
        string(REPLACE "${element}" "${element}${added}" content "${content}")
    endforeach()
    set(${out} "${content}" PARENT_SCOPE)
endfunction()
