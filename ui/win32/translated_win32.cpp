// SPDX-License-Identifier: MIT
#include "translated.h"

#include "system.h"
#include "text.h"

#include "catalogue.h"

// Each text is a string with its own id, in a table for English and one for
// each language; LoadStringW takes it from the table of the user's display
// language, as Windows picks it.
std::string translated(std::string_view context, std::string_view english)
{
    for (const CatalogueEntry &entry : Catalogue) {
        if (entry.context != context || entry.english != english)
            continue;
        const wchar_t *text = nullptr; // the table's own copy, not terminated
        const int length
            = LoadStringW(GetModuleHandleW(nullptr), entry.id, reinterpret_cast<LPWSTR>(&text), 0);
        if (length > 0)
            return narrow(std::wstring_view(text, std::size_t(length)));
    }
    return std::string(english);
}
