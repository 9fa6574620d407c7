// The export window's clipboard contents.
#include "exportclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QSvgRenderer>

namespace vorlix::shell {

QMimeData* TextMimeData(const QString& text) {
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

QMimeData* HtmlMimeData(const QString& html) {
    auto* data = new QMimeData;
    data->setText(html);
    data->setHtml(html);
    return data;
}

QMimeData* VectorPictureMimeData(const QByteArray& svg, const QByteArray& emf) {
    auto* data = new QMimeData;
    if (!emf.isEmpty()) {
        data->setData(EmfMimeType, emf);
        data->setData(EmfMimeTypeX, emf);
        data->setData(EmfMimeTypeApplication, emf);
    }
    if (!svg.isEmpty()) {
        data->setData(SvgMimeType, svg);
        QSvgRenderer renderer(svg);
        const QSize size = renderer.defaultSize();
        if (renderer.isValid() && !size.isEmpty()) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            renderer.render(&painter);
            painter.end();
            data->setImageData(image);
        }
    }
    return data;
}

bool PutOnClipboard(QMimeData* data) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        delete data;
        return false;
    }
    clipboard->setMimeData(data);
    return true;
}

}  // namespace vorlix::shell
