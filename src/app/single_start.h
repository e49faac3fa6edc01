#pragma once

// One Dozorik at a time. A start while another runs (the same user, in the
// same session) hands its switches to the running one and ends; without
// switches it brings that one's window to the front. Nothing runs twice.

#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/single_instance.h"
#include "texts/texts.h"
#include "ui/application.h"

namespace dozorik {

class TUsage;

// How a start that opens no window ends, for the script that made it.
constexpr int kExitDone = 0;         // handed over and taken, or only the usage shown
constexpr int kExitBadSwitches = 1;  // a switch was wrong: nothing changed anywhere
constexpr int kExitNoAnswer = 2;     // the running Dozorik did not answer

// What a start does before any window exists.
struct StartChoice {
  bool openWindow = true;  // the first start: its window reads the switches itself
  int exitCode = kExitDone;
};

// Decides, from this start's arguments and whether another Dozorik runs.
// The boxes of a start that opens no window show here, in its own process:
// the one the script or the user just started, in its language.
StartChoice chooseStart(SingleInstance& instance, Process& process, MessageBoxes& messages,
                        const Texts& texts = Texts());

// The first start, its window restored: later starts reach it from now on.
void listenForLaterStarts(SingleInstance& instance, TUsage& window, ui::Application& application);

}  // namespace dozorik
