// One run of the program, desktop or command line: the preferences and their store, the
// puzzle model and the spelling dictionaries, each made once and kept for the whole run.
#pragma once

#include <memory>

#include <QString>

#include "dictionaries.h"
#include "mainwordset.h"
#include "messages.h"
#include "preferences.h"
#include "preferences_store.h"
#include "puzzlemodel.h"

namespace vorlix {

class TProgramRun {
public:
    // iniFileName empty: the user's own preferences store. host answers the model's questions.
    explicit TProgramRun(IMessageHost& host, const QString& iniFileName = {});
    ~TProgramRun();
    TProgramRun(const TProgramRun&) = delete;
    TProgramRun& operator=(const TProgramRun&) = delete;

    TPreferences& Preferences() { return prefs_; }
    TPreferencesStore& Store() { return *store_; }
    TPuzzleModel& Model() { return *model_; }
    // Found where the program's own dictionary lies; read on first use.
    spelling::TSpellingDictionaries& Dictionaries() { return dictionaries_; }
    // The main dictionary as the all-words accidental check reads it.
    const IWordSet& MainDictionaryWords() const { return mainWords_; }

private:
    TPreferences prefs_;
    std::unique_ptr<TPreferencesStore> store_;
    spelling::TSpellingDictionaries dictionaries_;
    spelling::TMainDictionaryWordSet mainWords_{dictionaries_};
    std::unique_ptr<TPuzzleModel> model_;
};

}  // namespace vorlix
