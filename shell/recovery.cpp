// The recovery copy: written through the puzzle file's own atomic writer, so a crash while
// writing leaves the previous copy whole.
#include "recovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QWidget>

#include "puzzledefaults.h"
#include "puzzlefile.h"
#include "puzzlemodel.h"
#include "safewrite.h"
#include "services.h"

namespace vorlix::shell {

namespace {

const QString PuzzleFileName = QStringLiteral("recovery.ws");
const QString NameFileName = QStringLiteral("recovery-name.txt");

}  // namespace

QString RecoveryFolderFor(const QString& iniFileName) {
    if (!iniFileName.isEmpty()) return QFileInfo(iniFileName).absoluteDir().filePath(QStringLiteral("recovery"));
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString RestoreQuestion(const QString& fileName) {
    const QString which = fileName.isEmpty() || fileName == NoNameFileName
                              ? QStringLiteral("an unsaved puzzle")
                              : QStringLiteral("changes to ") + DisplayPath(fileName);
    return QStringLiteral("Vorlix did not close properly last time, and kept a copy of ") + which +
           QStringLiteral(".\nDo you want to restore it? (No throws the copy away.)");
}

TRecovery::TRecovery(TPuzzleModel& model, const TClock& clock, QString folder, QObject* parent)
    : QObject(parent), model_(&model), folder_(std::move(folder)) {
    // A lock left by a crashed run is stale (its process is gone) and is taken over.
    QDir().mkpath(folder_);
    lock_ = std::make_unique<QLockFile>(QDir(folder_).filePath(QStringLiteral("recovery.lock")));
    lock_->setStaleLockTime(0);  // only a dead owner makes it stale, never its age
    if (!lock_->tryLock(0)) lock_.reset();
    timer_ = new TClockTimer(clock, [this] { WriteNow(); }, this);
    timer_->SetInterval(RecoveryIntervalMs);
    const TModelSignals& notices = model.Signals();
    connect(&notices, &TModelSignals::PuzzleChanged, this, [this] { Changed(); });
    connect(&notices, &TModelSignals::GridChanged, this, [this] { Changed(); });
    connect(&notices, &TModelSignals::ModifiedChanged, this, [this] { Changed(); });
}

TRecovery::~TRecovery() = default;

bool TRecovery::Active() const { return lock_ != nullptr; }

QString TRecovery::PuzzlePath() const { return QDir(folder_).filePath(PuzzleFileName); }
QString TRecovery::NamePath() const { return QDir(folder_).filePath(NameFileName); }
bool TRecovery::Pending() const { return QFileInfo(PuzzlePath()).isFile(); }

// The countdown runs from the first change on and is not restarted by later ones, so a
// puzzle edited without pause is still copied every interval.
void TRecovery::Changed() { timer_->Start(); }

bool TRecovery::WriteNow() {
    if (!Active()) return true;
    if (!model_->IsModified()) {
        Discard();
        return true;
    }
    const TPuzzle& puzzle = model_->Puzzle();
    const QString name = model_->CurrentFileName();
    if (written_ && *written_ == puzzle && writtenName_ == name) return true;
    if (!QDir().mkpath(folder_)) return false;
    TReport report;  // a failed copy is tried again at the next change; the user is not troubled
    if (!SavePuzzleFile(puzzle, PuzzlePath(), report)) return false;
    if (!WriteFileAtomically(NamePath(), name.toUtf8())) return false;
    written_ = puzzle;
    writtenName_ = name;
    return true;
}

void TRecovery::Discard() {
    timer_->Stop();
    if (!Active()) return;
    QFile::remove(PuzzlePath());
    QFile::remove(NamePath());
    written_.reset();
    writtenName_.clear();
}

bool TRecovery::OfferRestore(IMessageHost& host) {
    if (!Active() || !Pending()) return false;
    QString name;
    if (QFile f(NamePath()); f.open(QIODevice::ReadOnly)) name = QString::fromUtf8(f.readAll()).trimmed();
    if (name.isEmpty()) name = NoNameFileName;
    const MessageAnswer answer =
        host.ShowMessage(MessageKind::Confirmation, RestoreQuestion(name).toStdU16String(), MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes) {
        Discard();
        return false;
    }
    const TReadResult<TPuzzle> read = ReadPuzzleFile(PuzzlePath(), NewPuzzle(model_->Preferences()));
    ShowReport(host, read.Report);
    if (!read.Value) {
        Discard();
        return false;
    }
    model_->LoadPuzzle(*read.Value, name);
    model_->SaveTargetName = name;
    // Restored work is not saved work: Save stays offered and the exit query asks.
    model_->SetModified(true);
    return true;
}

}  // namespace vorlix::shell
