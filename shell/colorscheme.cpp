// The colour roles of each scheme.
#include "colorscheme.h"

namespace vorlix::shell {

namespace {

TColorScheme Scheme(const char* page, const char* inset, const char* home, const char* link, const char* hover,
                    const char* map, const char* mapLink, const char* current, const char* mapHover,
                    const char* toolbar, const char* toolbarText) {
    return {QColor(page), QColor(inset), QColor(home), QColor(link), QColor(hover), QColor(map),
            QColor(mapLink), QColor(current), QColor(mapHover), QColor(toolbar), QColor(toolbarText)};
}

const std::array<TColorScheme, 7>& Schemes() {
    static const std::array<TColorScheme, 7> schemes{
        Scheme("#FFFFFF", "#FFFFFF", "#000080", "#0000FF", "#DDDDDD", "#DDDDDD", "#0000FF", "#800080", "#FFFFFF",
               "#C0C0C0", "#000000"),
        Scheme("#EDF0F2", "#DCE0E4", "#0000A0", "#0000FF", "#E0E0E0", "#D0D0D0", "#0000FF", "#800080", "#EDF0F2",
               "#C0C0C0", "#000000"),
        Scheme("#F0F0E8", "#FFFFFF", "#0000A0", "#008000", "#F8F8F2", "#E8E8E0", "#008000", "#800080", "#F0F0E8",
               "#F0F0E8", "#000000"),
        Scheme("#E0E0D8", "#F8F8F2", "#0000A0", "#008000", "#F8F8F2", "#C8C8C0", "#008000", "#800080", "#E0E0D8",
               "#E0E0D8", "#000000"),
        Scheme("#D8D8E0", "#F2F2F8", "#0000A0", "#008000", "#F2F2F8", "#C8C8D0", "#008000", "#800080", "#E2E2E8",
               "#D8D8E0", "#000000"),
        Scheme("#D8D8E0", "#F2F2F8", "#01093B", "#0000FF", "#F2F2F8", "#52597B", "#D8D8E0", "#00FFFF", "#12192B",
               "#9598AD", "#D8D8E0"),
        Scheme("#C0C0C0", "#FFFFFF", "#000080", "#0000FF", "#FFFFFF", "#808080", "#FFFFFF", "#FFFF00", "#000000",
               "#C0C0C0", "#000000"),
    };
    return schemes;
}

}  // namespace

const TColorScheme& ColorSchemeAt(int position) {
    if (position < 0 || position >= 7) position = 1;
    return Schemes()[static_cast<size_t>(position)];
}

QStringList ColorSchemeNames() {
    return {QStringLiteral("Basic White  "), QStringLiteral("Eggshell"), QStringLiteral("Light Putty"),
            QStringLiteral("Putty"),         QStringLiteral("Blue steel"), QStringLiteral("High Contrast"),
            QStringLiteral("Gray")};
}

}  // namespace vorlix::shell
