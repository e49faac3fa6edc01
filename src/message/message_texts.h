#pragma once

// What the messages say: the program, the computer, the time, and what
// happened. UTF-8, in the language of the texts given (Slovak unless told).

#include <chrono>
#include <string>

#include "actions/end_action.h"
#include "texts/texts.h"

namespace dozorik {

// The action as a noun phrase: "spustenie súboru", "vypnutie počítača", ...;
// in English "launching the file", "shutting down the computer", ...
std::string endActionName(EndAction action, const Texts& texts = Texts());

// The end of a watch: "Dozorik na PC-KUCHYNA: úloha skončila o 03:12 (záťaž
// pod 10 % 50 s). Akcia: vypnutie počítača." `quiet` is how long the load
// stayed below the threshold; a part of a second shows as "5,2 s". In
// English: "Dozorik on PC-KUCHYNA: the job finished at 03:12 (load below
// 10 % for 50 s). Action: shutting down the computer."
std::string watchEndedText(const std::string& computer, const std::string& time,
                           int thresholdPercent, std::chrono::milliseconds quiet, EndAction action,
                           const Texts& texts = Texts());

// The end action refused afterwards: "Dozorik na PC-KUCHYNA: akcia vypnutie
// počítača zlyhala o 03:12: <reason>."
std::string actionFailedText(const std::string& computer, const std::string& time, EndAction action,
                             const std::string& reason, const Texts& texts = Texts());

// "Dozorik na PC-KUCHYNA: skúšobná správa o 03:12."
std::string testMessageText(const std::string& computer, const std::string& time,
                            const Texts& texts = Texts());

}  // namespace dozorik
