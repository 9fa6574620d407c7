// The store is a QSettings file (an ini-style file under the user's config folder on
// Linux). QSettings writes it through a temporary file and renames it into place
// (atomicSyncRequired is on by default), so a crash while saving leaves the old file whole.
#include "preferences_store.h"

#include <algorithm>
#include <cstring>

#include <QSettings>
#include <QtEndian>


namespace vorlix {

namespace {

constexpr int MinStoredWidth = 520;
constexpr int MinStoredHeight = 380;
constexpr int OnScreenMargin = 100;

int HexDigit(const QString& text, qsizetype i) {
    if (i >= text.size()) return 0;
    const char16_t c = text[i].unicode();
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return 0;
}

bool IsKey(const TPreferenceKey& key, const char* name) { return std::strcmp(key.Key, name) == 0; }

// What one variable looks like in the store, with the window bounds kept on screen.
TPreferenceValue StoredValue(const TPreferenceKey& key, TPreferenceValue value, QSize screen) {
    int* i = std::get_if<int>(&value);
    if (!i) return value;
    if (screen.width() > 0 && screen.height() > 0) {
        if (IsKey(key, "Top")) *i = std::min(*i, screen.height() - OnScreenMargin);
        if (IsKey(key, "Left")) *i = std::min(*i, screen.width() - OnScreenMargin);
    }
    if (IsKey(key, "Width")) *i = std::max(*i, MinStoredWidth);
    if (IsKey(key, "Height")) *i = std::max(*i, MinStoredHeight);
    if (IsKey(key, "WindowState") && *i == WindowStateMinimized) *i = WindowStateNormal;
    return value;
}

QVariant ToStore(TPreferenceKind kind, const TPreferenceValue& value) {
    switch (kind) {
        case TPreferenceKind::String: return std::get<QString>(value);
        case TPreferenceKind::Integer: return std::get<int>(value);
        case TPreferenceKind::Boolean: return std::get<bool>(value) ? 1 : 0;
        case TPreferenceKind::Real: return EncodeRealPref(std::get<double>(value));
        case TPreferenceKind::EscapedLines: return EscapePreferenceLines(std::get<QStringList>(value));
        case TPreferenceKind::Directions: return FormatDirsPref(std::get<std::array<bool, 8>>(value));
    }
    return {};
}

bool AsText(const QVariant& v, QString& text) {
    // An unquoted ini value holding commas reads back as a list; it was one text.
    if (v.typeId() == QMetaType::QStringList) {
        text = v.toStringList().join(QStringLiteral(", "));
        return true;
    }
    if (v.typeId() == QMetaType::QByteArray || !v.canConvert<QString>()) return false;
    text = v.toString();
    return true;
}

bool FromStore(TPreferenceKind kind, const QVariant& v, TPreferenceValue& out) {
    QString text;
    bool ok = false;
    switch (kind) {
        case TPreferenceKind::String:
            if (!AsText(v, text)) return false;
            out = text;
            return true;
        case TPreferenceKind::Integer:
        case TPreferenceKind::Boolean: {
            if (!AsText(v, text)) return false;
            const int i = text.trimmed().toInt(&ok);
            if (!ok) return false;
            if (kind == TPreferenceKind::Integer) out = i;
            else out = (i != 0);
            return true;
        }
        case TPreferenceKind::Real: {
            double d = 0.0;
            if (v.typeId() != QMetaType::QByteArray || !DecodeRealPref(v.toByteArray(), d)) return false;
            out = d;
            return true;
        }
        case TPreferenceKind::EscapedLines:
            if (!AsText(v, text)) return false;
            out = UnescapePreferenceLines(text);
            return true;
        case TPreferenceKind::Directions:
            if (!AsText(v, text)) return false;
            out = ParseDirsPref(text);
            return true;
    }
    return false;
}

}  // namespace

QString EscapePreferenceLines(const QStringList& lines) {
    QString out;
    for (const QString& line : lines) {
        for (QChar c : line + QStringLiteral("\r\n")) {
            if (c.unicode() < 32 || c == QLatin1Char('%'))
                out += QLatin1Char('%') + QStringLiteral("%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
            else
                out += c;
        }
    }
    return out;
}

QStringList UnescapePreferenceLines(const QString& escaped) {
    QString text = escaped;
    if (text.size() >= 3) {
        // From the back, so a decoded "%" is never decoded again.
        for (qsizetype i = text.size() - 3; i >= 0; --i) {
            if (text[i] != QLatin1Char('%')) continue;
            const int code = HexDigit(text, i + 1) * 16 + HexDigit(text, i + 2);
            text[i] = QChar(code);
            text.remove(i + 1, std::min<qsizetype>(2, text.size() - i - 1));
        }
    }
    QStringList lines;
    QString current;
    bool pending = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << current;
            current.clear();
            pending = false;
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending) lines << current;
    return lines;
}

QString FormatDirsPref(const std::array<bool, 8>& dirs) {
    QString text;
    for (bool on : dirs) text += on ? QLatin1Char('T') : QLatin1Char('F');
    return text;
}

std::array<bool, 8> ParseDirsPref(const QString& text) {
    std::array<bool, 8> dirs{true, true, true, true, true, true, true, true};
    if (text.size() < 8) return dirs;
    for (std::size_t i = 0; i < dirs.size(); ++i) dirs[i] = text[static_cast<qsizetype>(i)] != QLatin1Char('F');
    return dirs;
}

QByteArray EncodeRealPref(double value) {
    QByteArray bytes(8, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

bool DecodeRealPref(const QByteArray& bytes, double& value) {
    if (bytes.size() != 8) return false;
    value = qFromLittleEndian<double>(bytes.constData());
    return true;
}

QString StoreWarningText() {
    return QStringLiteral(
        "Vorlix cannot store your customizations (your preferences and favorite puzzle options) on this "
        "computer. They will last until you close the program.\r\n\n"
        "If you are on a network, you may wish to contact your network administrator.\r\n\n"
        "If this problem persists, please contact Vorlix support through the Contact form, or write to "
        "support@vorlix.example.");
}

QString UnreadablePreferencesText(const QStringList& keys) {
    return QStringLiteral("Some of your saved preferences could not be read, so their default values are used "
                          "instead: ") +
           keys.join(QStringLiteral(", ")) + QLatin1Char('.');
}

TPreferencesStore::TPreferencesStore() = default;

TPreferencesStore::TPreferencesStore(const QString& iniFileName) : iniFileName_(iniFileName) {}

TPreferencesStore::~TPreferencesStore() = default;

std::unique_ptr<QSettings> TPreferencesStore::Open() const {
    if (iniFileName_.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tandrel"),
                                           QStringLiteral("Kestov"));
    return std::make_unique<QSettings>(iniFileName_, QSettings::IniFormat);
}

void TPreferencesStore::WarnStoreOnce(TReport& report) {
    if (warned_) return;
    warned_ = true;
    report.Add(MessageKind::Warning, StoreWarningText());
}

void TPreferencesStore::Load(TPreferences& prefs, TPreferenceGroup group, TReport& report) {
    const std::unique_ptr<QSettings> settings = Open();
    QStringList bad;
    for (const TPreferenceKey& key : PreferenceKeys()) {
        if (key.Group != group) continue;
        const QString name = QString::fromLatin1(key.Key);
        if (!settings->contains(name)) continue;
        TPreferenceValue value = key.Default;
        if (FromStore(key.Kind, settings->value(name), value))
            SetPreferenceValue(prefs, key, value);
        else
            bad << name;  // the variable keeps the value it had, its default on a first load
    }
    unreadable_ << bad;
    if (!bad.isEmpty()) report.Add(MessageKind::Warning, UnreadablePreferencesText(bad));
}

void TPreferencesStore::LoadPuzzleDefaults(TPreferences& prefs, TReport& report) {
    unreadable_.clear();
    Load(prefs, TPreferenceGroup::PuzzleDefaults, report);
}

TWindowPreferences TPreferencesStore::LoadWindowPreferences(TPreferences& prefs, TReport& report) {
    {
        const std::unique_ptr<QSettings> settings = Open();
        if (!settings->isWritable() || settings->status() == QSettings::AccessError) WarnStoreOnce(report);
    }
    Load(prefs, TPreferenceGroup::Window, report);
    const TWindowPreferences window = WindowPreferencesOf(prefs);
    // What the windows show is what will be written back.
    prefs.AccidentPrevent = window.AccidentPrevent;
    prefs.ColorScheme = window.ColorScheme;
    return window;
}

void TPreferencesStore::LoadPreviewPlacement(TPreferences& prefs, TReport& report) {
    Load(prefs, TPreferenceGroup::Preview, report);
}

bool TPreferencesStore::SavePreviewPlacement(const TPreferences& prefs, TReport& report) {
    return SaveGroup(prefs, TPreferenceGroup::Preview, report);
}

void TPreferencesStore::LoadRecentFiles(TPreferences& prefs, TReport& report) {
    Load(prefs, TPreferenceGroup::Recent, report);
}

bool TPreferencesStore::SaveRecentFiles(const TPreferences& prefs, TReport& report) {
    return SaveGroup(prefs, TPreferenceGroup::Recent, report);
}

bool TPreferencesStore::SaveGroup(const TPreferences& prefs, TPreferenceGroup group, TReport& report) {
    const std::unique_ptr<QSettings> settings = Open();
    if (!settings->isWritable()) {
        WarnStoreOnce(report);
        return false;
    }
    for (const TPreferenceKey& key : PreferenceKeys())
        if (key.Group == group)
            settings->setValue(QString::fromLatin1(key.Key), ToStore(key.Kind, PreferenceValue(prefs, key)));
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        WarnStoreOnce(report);
        return false;
    }
    return true;
}

bool TPreferencesStore::SavePreferences(const TPreferences& prefs, QSize screen, TReport& report) {
    const std::unique_ptr<QSettings> settings = Open();
    if (!settings->isWritable()) {
        WarnStoreOnce(report);
        return false;
    }
    for (const TPreferenceKey& key : PreferenceKeys())
        settings->setValue(QString::fromLatin1(key.Key),
                           ToStore(key.Kind, StoredValue(key, PreferenceValue(prefs, key), screen)));
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        WarnStoreOnce(report);
        return false;
    }
    return true;
}

}  // namespace vorlix
