#pragma once
// The support library's texts that a translation would change.

extern const char* const SQorDontAskAgain;
// %0:s the folder that could not be created, %1:s the one used instead.
extern const char* const SQorCannotCreateTempPath;
