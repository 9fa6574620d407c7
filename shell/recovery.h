// Crash recovery: a modified puzzle is copied to the user's data folder at most every 30
// seconds while it changes, and the next start after a crash offers it back.
#pragma once

#include <memory>
#include <optional>

#include <QObject>
#include <QString>

class QLockFile;

#include "puzzle.h"

namespace vorlix {
class IMessageHost;
class TPuzzleModel;
}  // namespace vorlix

namespace vorlix::shell {

class TClock;
class TClockTimer;

constexpr int RecoveryIntervalMs = 30'000;

// The folder of a run's recovery copy: the user's data folder, or, for a run given its
// own preferences file, a "recovery" folder beside that file.
QString RecoveryFolderFor(const QString& iniFileName);

class TRecovery : public QObject {
public:
    TRecovery(TPuzzleModel& model, const TClock& clock, QString folder, QObject* parent = nullptr);
    ~TRecovery() override;
    // False while another running copy of the program keeps the folder: this run then
    // neither offers that copy's puzzle nor writes its own.
    bool Active() const;

    QString PuzzlePath() const;
    QString NamePath() const;  // the puzzle's own file name, beside the copy
    bool Pending() const;      // a copy left by a run that did not end cleanly

    // Writes the copy now when the puzzle is modified and differs from the last copy;
    // removes it when the puzzle is no longer modified. False when a write failed.
    bool WriteNow();
    // A clean exit: the copy is no longer needed.
    void Discard();
    // Asks whether to restore a pending copy. Yes loads it as a modified puzzle that keeps
    // its file name; No, or a copy that cannot be read (said so), removes it. True when
    // a puzzle was restored.
    bool OfferRestore(IMessageHost& host);

private:
    void Changed();

    TPuzzleModel* model_;
    QString folder_;
    std::unique_ptr<QLockFile> lock_;  // held while this run owns the copy
    TClockTimer* timer_;
    std::optional<TPuzzle> written_;
    QString writtenName_;
};

// The question asked at start-up.
QString RestoreQuestion(const QString& fileName);

}  // namespace vorlix::shell
