// The product logo: a small letter grid with one word ringed, drawn at any size.
#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

namespace vorlix::shell {

// Draws the logo into the largest square centred in bounds; the painter's state is kept.
void DrawVorlixLogo(QPainter& painter, const QRectF& bounds);
// The logo as the window icon, rendered at the usual icon sizes.
QIcon VorlixIcon();

}  // namespace vorlix::shell
