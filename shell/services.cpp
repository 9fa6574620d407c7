// The real dialogs behind the seams, and the clock.
#include "services.h"

#include <algorithm>
#include <cstdlib>

#include <QDesktopServices>
#include <QUrl>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

namespace vorlix::shell {

QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const int paren = description.indexOf(QLatin1Char('('));
        if (paren >= 0) description = description.left(paren);
        description = description.trimmed();
        QStringList patterns;
        for (const QString& raw : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString p = raw.trimmed();
            if (p == QLatin1String("*.*")) {
                patterns << QStringLiteral("*");
                continue;
            }
            for (const QString& variant : {p.toLower(), p.toUpper()})
                if (!patterns.contains(variant)) patterns << variant;
        }
        entries << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

namespace {

// "bmp" for a "|*.BMP|" pattern list; empty for "*.*" or none.
QString FilterSuffix(const QString& filter, int index) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (index < 0 || 2 * index + 1 >= parts.size()) return {};
    const QString first = parts[2 * index + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).value(0).trimmed();
    if (!first.startsWith(QLatin1String("*.")) || first.indexOf(QLatin1Char('*'), 1) >= 0) return {};
    return first.mid(2).toLower();
}

}  // namespace

QString WithChosenSuffix(const QString& name, const TFileDialogRequest& request) {
    if (name.isEmpty() || QFileInfo(name).fileName().contains(QLatin1Char('.'))) return name;
    const QString suffix = FilterSuffix(request.Filter, request.ChosenFilter);
    return suffix.isEmpty() ? name : name + QLatin1Char('.') + suffix;
}

void TClock::After(int ms, QObject* context, std::function<void()> action) const {
    if (manual_) {
        pending_.push_back({manualNow_ + std::max(ms, 0), nextOrder_++, context, std::move(action)});
        return;
    }
    const int scaled = scale_ <= 0.0 ? 0 : static_cast<int>(ms * scale_);
    QTimer::singleShot(scaled, context, std::move(action));
}

void TClock::SetManual(bool manual) {
    manual_ = manual;
    if (!manual) pending_.clear();
}

void TClock::Advance(int ms) {
    const qint64 until = manualNow_ + std::max(ms, 0);
    for (;;) {
        auto next = std::min_element(pending_.begin(), pending_.end(), [](const auto& a, const auto& b) {
            return a.Due != b.Due ? a.Due < b.Due : a.Order < b.Order;
        });
        if (next == pending_.end() || next->Due > until) break;
        TPendingDelay due = std::move(*next);
        pending_.erase(next);
        manualNow_ = due.Due;
        if (due.Context) due.Action();
    }
    manualNow_ = until;
}

TClockTimer::TClockTimer(const TClock& clock, std::function<void()> onTimeout, QObject* parent)
    : QObject(parent), clock_(&clock), onTimeout_(std::move(onTimeout)) {}

void TClockTimer::SetInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    if (active_) Schedule();
}

void TClockTimer::Start() {
    if (active_) return;
    active_ = true;
    Schedule();
}

void TClockTimer::Stop() {
    active_ = false;
    ++countdown_;
}

void TClockTimer::Schedule() {
    const quint64 mine = ++countdown_;
    clock_->After(interval_, this, [this, mine] {
        if (!active_ || mine != countdown_) return;
        active_ = false;
        onTimeout_();
    });
}

qint64 TClock::Elapsed() const {
    if (manual_) return manualNow_;
    if (scale_ <= 0.0) return started_.elapsed() * 1000000;  // every span has passed at once
    return static_cast<qint64>(started_.elapsed() / scale_);
}

void TClock::Sleep(int ms) const {
    if (manual_) {
        manualNow_ += std::max(ms, 0);  // a busy wait: time passes, nothing else runs
        return;
    }
    if (scale_ <= 0.0) return;
    QThread::msleep(static_cast<unsigned long>(ms * scale_));
}

TBusyCursor::TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
TBusyCursor::~TBusyCursor() { QApplication::restoreOverrideCursor(); }

int TModalRunner::Run(QDialog& dialog) { return dialog.exec(); }

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString TitleOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning: return QStringLiteral("Warning");
    case MessageKind::Information: return QStringLiteral("Information");
    case MessageKind::Error: return QStringLiteral("Error");
    case MessageKind::Confirmation: return QStringLiteral("Confirm");
    }
    return {};
}

}  // namespace

MessageAnswer TWidgetMessageHost::ShowMessage(MessageKind kind, const std::u16string& text, MessageButtons buttons) {
    QString body = QString::fromStdU16String(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(IconOf(kind), TitleOf(kind), body, QMessageBox::NoButton, parent_);
    switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : FirstAnswerOf(buttons);
    }
}


namespace {

QFileDialog::Options DialogOptions() { return QFileDialog::Options(); }

}  // namespace

QString TWidgetFileDialogs::OpenFileName(QWidget* parent, const TFileDialogRequest& request) {
    QFileDialog dialog(parent, request.Title, request.FileName, QtFileFilter(request.Filter));
    dialog.setOptions(DialogOptions());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = dialog.nameFilters();
    if (request.FilterIndex > 0 && request.FilterIndex < filters.size())
        dialog.selectNameFilter(filters[request.FilterIndex]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString TWidgetFileDialogs::SaveFileName(QWidget* parent, const TFileDialogRequest& request) {
    QFileDialog dialog(parent, request.Title, request.FileName, QtFileFilter(request.Filter));
    QFileDialog::Options options = DialogOptions();
    if (!request.ConfirmOverwrite) options |= QFileDialog::DontConfirmOverwrite;
    dialog.setOptions(options);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = dialog.nameFilters();
    if (request.FilterIndex > 0 && request.FilterIndex < filters.size())
        dialog.selectNameFilter(filters[request.FilterIndex]);
    // The suffix added to a bare name is the chosen type's, not always the first one's.
    const auto follow = [&](const QString& chosen) {
        request.ChosenFilter = int(filters.indexOf(chosen));
        const QString suffix = FilterSuffix(request.Filter, request.ChosenFilter);
        dialog.setDefaultSuffix(suffix.isEmpty() ? request.DefaultSuffix : suffix);
    };
    follow(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    follow(dialog.selectedNameFilter());
    return dialog.selectedFiles().first();
}

std::optional<QColor> TWidgetColorFontDialogs::ChooseColor(QWidget* parent, const QColor& initial) {
    const QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid()) return std::nullopt;
    return c;
}

std::optional<QFont> TWidgetColorFontDialogs::ChooseFont(QWidget* parent, const QFont& initial) {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, parent);
    if (!ok) return std::nullopt;
    return f;
}

// --- Printers.

bool TWidgetPrinterDialogs::PrinterInstalled() { return !QPrinterInfo::availablePrinters().isEmpty(); }

bool TWidgetPrinterDialogs::SetupPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Select Printer"));
    // Only the printer and its paper are chosen here; copies and pages are the print page's.
    dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
    return dialog.exec() == QDialog::Accepted;
}

IPrinterDialogs& SystemPrinterDialogs() {
    static TWidgetPrinterDialogs printers;
    return printers;
}

bool TSystemDesktopOpener::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

IDesktopOpener& SystemDesktopOpener() {
    static TSystemDesktopOpener opener;
    return opener;
}

}  // namespace vorlix::shell
