// The print page's wording of a print run.
#include "printchoices.h"

#include <algorithm>

#include <QRegularExpression>

namespace vorlix::shell {

namespace {

// Digits only: "+5", " 5" or "5.0" are not whole numbers as typed.
bool AllDigits(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; });
}

}  // namespace

QStringList QuantityItems() {
    QStringList items;
    for (int q = 1; q <= 10; ++q) items << QString::number(q);
    for (int q : {15, 20, 25, 30, 35, 40, 45, 50, 75, 100}) items << QString::number(q);
    return items;
}

bool QuantityTextValid(const QString& text) {
    if (!AllDigits(text)) return false;
    bool ok = false;
    const int q = text.toInt(&ok);
    return ok && q >= 1 && q <= MaxPrintQuantity;
}

int QuantityFromText(const QString& text) {
    if (!AllDigits(text)) return 1;
    bool ok = false;
    const int q = text.toInt(&ok);
    // No copies at all would still print the solution sheets; one copy is what was meant.
    return ok && q >= 1 ? q : 1;
}

QStringList UniquesItems() {
    QStringList items{QStringLiteral("1 (All puzzles are identical)")};
    for (int u = 2; u <= MaxVariations; ++u) items << QStringLiteral("%1 variations of the same puzzle").arg(u);
    items << AllUniqueItemText;
    return items;
}

QString UniqueItemText(int quantity) { return QString::number(quantity) + QStringLiteral(" (All puzzles are unique.)"); }

int FormsFromUniquesText(const QString& text, int quantity) {
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    const QRegularExpressionMatch m = digits.match(text);
    if (!m.hasMatch()) return quantity;
    bool ok = false;
    const int u = m.captured().toInt(&ok);
    return ok ? u : quantity;
}

QString OneSolutionCaption(int forms) {
    return forms == 1 ? QStringLiteral("Print a solution for me.") : QStringLiteral("Print a set of solutions for me.");
}

TPrintOptions PrintOptionsFromPage(const QString& quantityText, int uniquesItemIndex, const QString& uniquesText,
                                   TSolutionSheets solutions) {
    TPrintOptions o;
    o.Quantity = QuantityFromText(quantityText);
    o.AllUnique = uniquesItemIndex == AllUniqueItemIndex;
    o.Forms = FormsFromUniquesText(uniquesText, o.Quantity);
    o.Solutions = solutions;
    return o.Normalized();
}

}  // namespace vorlix::shell
