// The seven colour schemes and their roles, as the preferences page offers them.
#pragma once

#include <array>

#include <QColor>
#include <QStringList>

namespace vorlix::shell {

struct TColorScheme {
    QColor PageBackground;
    QColor InsetPanel;
    QColor HomeButtons;
    QColor LinkText;
    QColor LinkHover;
    QColor MapBackground;  // also the banners
    QColor MapLinkText;
    QColor CurrentPageLink;
    QColor MapHover;
    QColor ToolbarBackground;
    QColor ToolbarText;
};

// Position 0..6 as Pref_ColorsCmBx lists them; anything else gives Eggshell.
const TColorScheme& ColorSchemeAt(int position);
QStringList ColorSchemeNames();

}  // namespace vorlix::shell
