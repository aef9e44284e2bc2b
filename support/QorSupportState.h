#pragma once
// The support library's process-wide state that its units keep to
// themselves. All of it, the public parts included, is defined in one
// place (QorSupportState.cpp), so that it starts in the order of the units
// (settings, messages, system utilities) and ends in reverse.

#include "support/QORMessagesUnit.h"
#include "support/QORSettingsUnit.h"

#include <memory>

extern std::unique_ptr<TQORSettings> SettingsInstance;
extern std::shared_ptr<IQORMessages> DefaultMessages;
extern bool TempFolderChecked;
