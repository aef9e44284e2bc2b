#include "support/QorSupportState.h"

#include "support/QorSystemUtils.h"

// Objects of one file start in the order written here and end in reverse.

// QORSettingsUnit
std::unique_ptr<TQORSettings> SettingsInstance;
std::string AppSettingsKey;

// QORMessagesUnit: at the end the hooks go first, then the default handler.
std::shared_ptr<IQORMessages> DefaultMessages;
vcl::TInterfaceList<IQORMessageHook> MessageHooks;

// QorSystemUtils
std::string TempFolderOverride;
bool TempFolderChecked = false;
