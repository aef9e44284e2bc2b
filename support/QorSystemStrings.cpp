#include "support/QorSystemStrings.h"

const char* const SQorDontAskAgain = "Don't ask me again.";
const char* const SQorCannotCreateTempPath = "Cannot create temp path \"%0:s\". Using \"%1:s\" instead.";
