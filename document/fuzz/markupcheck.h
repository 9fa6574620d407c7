// Checks that a picture or web page made from a hostile puzzle is still only markup: SVG
// must parse as XML, the web page must tokenize cleanly with its elements balanced, and
// neither may carry an event-handler attribute or a character XML forbids.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace vorlix::markup {

inline bool IsEventAttribute(QStringView name) {
    return name.size() > 2 && name.startsWith(u"on", Qt::CaseInsensitive);
}

// Empty when bytes are a well-formed XML document without event handlers; else what is wrong.
inline QString SvgProblem(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement())
            for (const QXmlStreamAttribute& a : xml.attributes())
                if (IsEventAttribute(a.name())) return QStringLiteral("event attribute ") + a.name().toString();
    }
    if (xml.hasError())
        return xml.errorString() + QStringLiteral(" at line ") + QString::number(xml.lineNumber());
    return {};
}

// Empty when the page's tags, attributes and entities are all well-formed and every element
// (but the void ones) is closed; tag names match in any case, as HTML reads them.
inline QString HtmlProblem(const QByteArray& bytes) {
    const QString text = QString::fromLatin1(bytes);
    static const QStringList voidElements = {QStringLiteral("br"), QStringLiteral("meta"), QStringLiteral("hr"),
                                             QStringLiteral("img")};
    QStringList open;
    const auto isNameChar = [](QChar c) { return c.isLetterOrNumber() || c == u'-' || c == u':' || c == u'_'; };
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text[i];
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r')
            return QStringLiteral("control character at %1").arg(i);
        if (c == u'>') return QStringLiteral("stray '>' at %1").arg(i);
        if (c == u'&') {
            qsizetype j = i + 1;
            if (j < n && text[j] == u'#') ++j;
            const qsizetype start = j;
            while (j < n && text[j].isLetterOrNumber()) ++j;
            if (j == start || j >= n || text[j] != u';') return QStringLiteral("bad entity at %1").arg(i);
            i = j + 1;
            continue;
        }
        if (c != u'<') {
            ++i;
            continue;
        }
        if (text.mid(i, 4) == u"<!--") {
            const qsizetype end = text.indexOf(u"-->", i + 4);
            if (end < 0) return QStringLiteral("unclosed comment at %1").arg(i);
            i = end + 3;
            continue;
        }
        qsizetype j = i + 1;
        const bool closing = j < n && text[j] == u'/';
        if (closing) ++j;
        const qsizetype nameStart = j;
        while (j < n && isNameChar(text[j])) ++j;
        if (j == nameStart) return QStringLiteral("'<' without a tag at %1").arg(i);
        const QString name = text.mid(nameStart, j - nameStart).toLower();
        // Attributes: name="value" with no quote or '<' inside the value.
        for (;;) {
            while (j < n && text[j].isSpace()) ++j;
            if (j >= n) return QStringLiteral("unclosed tag at %1").arg(i);
            if (text[j] == u'>') break;
            if (closing) return QStringLiteral("attribute on a closing tag at %1").arg(i);
            const qsizetype attrStart = j;
            while (j < n && isNameChar(text[j])) ++j;
            if (j == attrStart) return QStringLiteral("bad attribute at %1").arg(j);
            if (IsEventAttribute(QStringView(text).sliced(attrStart, j - attrStart)))
                return QStringLiteral("event attribute at %1").arg(attrStart);
            if (j + 1 >= n || text[j] != u'=' || text[j + 1] != u'"')
                return QStringLiteral("unquoted attribute at %1").arg(attrStart);
            const qsizetype close = text.indexOf(u'"', j + 2);
            if (close < 0) return QStringLiteral("unclosed attribute at %1").arg(attrStart);
            if (text.mid(j + 2, close - j - 2).contains(u'<')) return QStringLiteral("'<' in attribute at %1").arg(j);
            j = close + 1;
        }
        i = j + 1;
        if (voidElements.contains(name) && !closing) continue;
        if (!closing) {
            open << name;
        } else {
            // Old pages close <font> and <nobr> crosswise, as browsers accept; a closing tag
            // must still close something that is open.
            const qsizetype at = open.lastIndexOf(name);
            if (at < 0) return QStringLiteral("</%1> closes nothing").arg(name);
            open.removeAt(at);
        }
    }
    if (!open.isEmpty()) return QStringLiteral("<%1> is never closed").arg(open.last());
    return {};
}

}  // namespace vorlix::markup
