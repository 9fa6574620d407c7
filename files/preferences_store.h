// The per-user preferences store: organisation "Tandrel", application "Kestov".
#pragma once

#include <memory>

#include <QSize>
#include <QString>
#include <QStringList>

#include "preferences.h"
#include "report.h"

class QSettings;

namespace vorlix {

// Lines kept as one text: each line followed by CR LF, every "%" and control character
// written as "%" and two upper-case hex digits ("50%" -> "50%25%0D%0A").
QString EscapePreferenceLines(const QStringList& lines);
QStringList UnescapePreferenceLines(const QString& text);

// DirsPref: "T"/"F" per direction, North first. Shorter than 8 characters: all on;
// otherwise a direction is on unless its character is "F".
QString FormatDirsPref(const std::array<bool, 8>& dirs);
std::array<bool, 8> ParseDirsPref(const QString& text);

// MarginWidthPref: 8 raw bytes of an IEEE 754 double, little-endian.
QByteArray EncodeRealPref(double value);
// False when the bytes are not exactly 8.
bool DecodeRealPref(const QByteArray& bytes, double& value);

QString StoreWarningText();
QString UnreadablePreferencesText(const QStringList& keys);

class TPreferencesStore {
public:
    // The user's own store.
    TPreferencesStore();
    // A store kept in the given ini file (tests; a portable set-up).
    explicit TPreferencesStore(const QString& iniFileName);
    ~TPreferencesStore();

    // Reads the keys that give new puzzles their defaults (and the edit text size and
    // program map). A missing key keeps its default; a value of the wrong kind is
    // reported once, in one warning naming the keys, and its default is used.
    void LoadPuzzleDefaults(TPreferences& prefs, TReport& report);
    // Reads the main window's keys into prefs and returns them as the windows apply them.
    // Warns (once per run) when the store cannot be written.
    TWindowPreferences LoadWindowPreferences(TPreferences& prefs, TReport& report);
    // Writes every key. prefs.Top/Left/Width/Height are the remembered normal bounds and
    // prefs.WindowState the window's state; screen is the screen size in pixels, which
    // keeps the stored window on screen. False, with the once-per-run warning, when the
    // store could not be written; the values in memory stay as they are.
    bool SavePreferences(const TPreferences& prefs, QSize screen, TReport& report);

    // The preview window's placement keys (read when it is created, written when it goes).
    void LoadPreviewPlacement(TPreferences& prefs, TReport& report);
    bool SavePreviewPlacement(const TPreferences& prefs, TReport& report);
    // The recent puzzles, written as soon as they change so that a second window sees them.
    void LoadRecentFiles(TPreferences& prefs, TReport& report);
    bool SaveRecentFiles(const TPreferences& prefs, TReport& report);

    // Keys whose values could not be read by the last load.
    const QStringList& UnreadableKeys() const { return unreadable_; }
    bool StoreWarningShown() const { return warned_; }

private:
    std::unique_ptr<QSettings> Open() const;
    void Load(TPreferences& prefs, TPreferenceGroup group, TReport& report);
    void WarnStoreOnce(TReport& report);
    bool SaveGroup(const TPreferences& prefs, TPreferenceGroup group, TReport& report);

    QString iniFileName_;  // empty: the user's own store
    QStringList unreadable_;
    bool warned_ = false;
};

}  // namespace vorlix
