#pragma once
// One program instance per working folder. The working files of a run have fixed names in the current
// folder, so two instances there would read and write each other's files. An instance (the program with its
// windows, or the headless run) locks its working folder before it touches any file and holds the lock until
// it ends; a second instance in the same folder is told so and ends without touching a file.
#include <memory>
#include <string>

#include "platform/runtime/folder_lock.h"

namespace zorrun {

// The message of the second instance, naming the folder.
std::string OrdnerBelegtMeldung(const std::string& ordner);

// Takes the lock of the current folder. When another instance holds it, the message above goes to the
// connected sink (frame/messages.h; a message box in the program) and nullptr is returned: the caller ends.
// Otherwise the lock is returned; where the folder cannot be locked at all (a read-only folder, whose files
// no other instance can write either) it is returned not held and the caller goes on.
std::unique_ptr<vb::OrdnerSperre> ArbeitsordnerSperren();

} // namespace zorrun
