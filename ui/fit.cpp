// SPDX-License-Identifier: MIT
#include "fit.h"

#include "translated.h"

namespace Layout {

std::vector<ShownText> textsToFit(const Window &window)
{
    std::vector<ShownText> texts;
    for (const Control &c : window.controls)
        if (c.visible && c.fontFamily.empty())
            texts.push_back({ &c, translated(window.name, c.text) });
    if (&window != &Wakeprobe)
        return texts;
    const CycleTexts shown = translatedCycleTexts();
    texts.push_back({ &control(Main::Check1), shown.running });
    texts.push_back({ &control(Main::Check2), shown.prompt });
    for (std::string_view number : WidestNumbers)
        texts.push_back({ &control(Main::Text1), shown.countdownPrefix + std::string(number) });
    texts.push_back({ &control(Main::Text1), shown.overflow });
    return texts;
}

} // namespace Layout
