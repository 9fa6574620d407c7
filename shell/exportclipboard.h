// What the export window puts on the clipboard: plain text, HTML both as text and as
// text/html, and a vector picture in every form a receiving program may take.
#pragma once

#include <QByteArray>
#include <QString>

class QMimeData;

namespace vorlix::shell {

// The MIME types of an EMF picture: the registered one and the two older names.
inline const QString EmfMimeType = QStringLiteral("image/emf");
inline const QString EmfMimeTypeX = QStringLiteral("image/x-emf");
inline const QString EmfMimeTypeApplication = QStringLiteral("application/x-emf");
inline const QString SvgMimeType = QStringLiteral("image/svg+xml");

// Both are text/plain; the HTML is also text/html, so an HTML editor pastes it as markup.
QMimeData* TextMimeData(const QString& text);
QMimeData* HtmlMimeData(const QString& html);
// The SVG and the EMF picture (either may be empty) and, for programs that take neither,
// a bitmap drawn from the SVG.
QMimeData* VectorPictureMimeData(const QByteArray& svg, const QByteArray& emf);

// Hands the data to the clipboard (which takes ownership); false when there is none.
bool PutOnClipboard(QMimeData* data);

}  // namespace vorlix::shell
