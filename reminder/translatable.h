// SPDX-License-Identifier: MIT
#pragma once

// Marks an English text for the translators and gives it back unchanged. The
// translation tools know this name as another spelling of Qt's
// QT_TRANSLATE_NOOP, so the text lands in every catalogue under its context;
// a shell later finds the user's language's form by context and English text.
// A comment starting "//:" just before the mark reaches the translators.
constexpr const char *Translatable(const char * /*context*/, const char *english)
{
    return english;
}
