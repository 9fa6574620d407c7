// The puzzle as one interactive web page that a pupil solves in a browser, offline: the
// project's own frame, style and script with the puzzle as JSON data, in one UTF-8 file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include "messages.h"

class QIODevice;

namespace vorlix {

struct TPuzzle;

struct TPlayOptions {
    bool Mystery = false;  // the word list stays hidden; words appear as they are found
};

// A JSON string literal of text that is safe inside a <script> element: '<', '>', '&',
// U+2028 and U+2029 as \u escapes, controls escaped, half a surrogate pair as U+FFFD.
QString PlayJsonString(QStringView text);

// The page's data: texts, grid cells and the cells of every placed word, in display order.
QString PlayPageData(const TPuzzle& puzzle, const TPlayOptions& options);
// The whole page.
QByteArray PlayPageBytes(const TPuzzle& puzzle, const TPlayOptions& options);
// The page's Content-Security-Policy: nothing from the network, only its own script and style.
QString PlayContentSecurityPolicy();

bool WritePlayPage(QIODevice& out, const TPuzzle& puzzle, const TPlayOptions& options);
bool SavePlayPage(const QString& path, const TPuzzle& puzzle, const TPlayOptions& options, IMessageHost& host);

}  // namespace vorlix
