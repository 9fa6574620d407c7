// The "FAQs" page: questions and answers, read only.
#pragma once

#include "page.h"

namespace vorlix::shell {

// The questions text as rich text: "{...}" spans bold, "[...]" spans bold navy (50 of
// each at most), everything else escaped and kept as typed.
QString FormatQuestionsText(const QString& text);
// The questions and answers as written, with their markers.
QString QuestionsText();

class TFaqsPage : public TPage {
    Q_OBJECT
public:
    explicit TFaqsPage(IPageHost& host);
};

}  // namespace vorlix::shell
