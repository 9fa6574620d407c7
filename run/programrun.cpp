// One run of the program.
#include "programrun.h"

namespace vorlix {

TProgramRun::TProgramRun(IMessageHost& host, const QString& iniFileName)
    : store_(iniFileName.isEmpty() ? std::make_unique<TPreferencesStore>()
                                   : std::make_unique<TPreferencesStore>(iniFileName)),
      model_(std::make_unique<TPuzzleModel>(host, prefs_)) {
    dictionaries_.SetLocations(spelling::DefaultDictionaryLocations());
    // "All English Words" checks the grid against the same dictionary the speller reads.
    model_->SetMainDictionary(&mainWords_);
}

TProgramRun::~TProgramRun() = default;

}  // namespace vorlix
