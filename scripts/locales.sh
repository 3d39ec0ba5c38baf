#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the locales the tests run in (C.UTF-8 and one for each language the
# program has) into a folder of the build, without root: the tests point
# LOCPATH at it, so the system's locale archive is neither needed nor
# touched. Needs localedef (libc-bin) and the locale sources (package locales).
# Done again only when the C library or the list changes.
# Usage: scripts/locales.sh DIR    (then LOCPATH=DIR)
#        scripts/locales.sh --list (the locales, one a line)
set -euo pipefail

locales=(C.UTF-8 de_DE.UTF-8 es_ES.UTF-8 fr_FR.UTF-8 pt_BR.UTF-8 ru_RU.UTF-8 it_IT.UTF-8
    nl_NL.UTF-8 pl_PL.UTF-8 cs_CZ.UTF-8 uk_UA.UTF-8 tr_TR.UTF-8 sv_SE.UTF-8 id_ID.UTF-8
    vi_VN.UTF-8 ja_JP.UTF-8 ko_KR.UTF-8 zh_CN.UTF-8 zh_TW.UTF-8 ar_EG.UTF-8 he_IL.UTF-8)

dir=${1:?usage: $0 DIR | --list}
if [ "$dir" = --list ]; then
    printf '%s\n' "${locales[@]}"
    exit 0
fi
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
made="$(getconf GNU_LIBC_VERSION) ${locales[*]}"
# One build at a time: the presets share the folder.
exec 9>"$dir/.lock"
flock 9
[ "$(cat "$dir/.made" 2>/dev/null)" != "$made" ] || exit 0

rm -rf "${dir:?}"/* "$dir/.made"
echo "Building ${#locales[@]} locales into $dir"
# localedef exits 1 on a mere warning of the sources (-c writes the locale
# all the same); whether each one works is checked below.
printf '%s\n' "${locales[@]}" |
    xargs -P "$(nproc)" -I{} sh -c 'l={}; localedef -c -i "${l%.*}" -f UTF-8 "$1/$l" 2>/dev/null || [ -d "$1/$l" ]' \
        sh "$dir" ||
    { echo "$0: localedef failed (the package locales has the sources)" >&2; exit 1; }
for l in "${locales[@]}"; do
    [ "$(LOCPATH=$dir LC_ALL=$l locale charmap 2>/dev/null)" = UTF-8 ] ||
        { echo "$0: $l does not load from $dir" >&2; exit 1; }
done
echo "$made" >"$dir/.made"
