// The print page's choices as it words them, and the print run they describe.
#pragma once

#include <QString>
#include <QStringList>

#include "printjob.h"

namespace vorlix::shell {

inline const QString AllUniqueItemText = QStringLiteral("All puzzles are unique");
inline const QString NoSolutionsCaption = QStringLiteral("Print no solutions.");
inline const QString ManySolutionsCaption = QStringLiteral("Print enough solutions to pass out.");
constexpr int AllUniqueItemIndex = 8;  // the ninth uniques item

// Print_QuantityCmBx's offered quantities.
QStringList QuantityItems();
// A whole number 1..1000: shown black; anything else red.
bool QuantityTextValid(const QString& text);
// The quantity a print run uses: the text as a whole number, 1 when it is not one.
int QuantityFromText(const QString& text);
// Print_UniquesCmBx's nine items; the ninth is renamed by UniqueItemText once the quantity is valid.
QStringList UniquesItems();
QString UniqueItemText(int quantity);  // "12 (All puzzles are unique.)"
// The first run of decimal digits in the uniques text, the quantity when there is none.
int FormsFromUniquesText(const QString& text, int quantity);
// Print_OneSolutionRB's caption for so many forms.
QString OneSolutionCaption(int forms);

// The run the page's quantity text, chosen uniques item (and its text) and solution choice describe.
TPrintOptions PrintOptionsFromPage(const QString& quantityText, int uniquesItemIndex, const QString& uniquesText,
                                   TSolutionSheets solutions);

}  // namespace vorlix::shell
