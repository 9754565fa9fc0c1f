// The words each language of the source exports keeps for itself.
#pragma once

#include <string_view>

#include "files/source_language.h"

// Whether an array or label of this name would be refused or misread: a keyword of C that starts
// with a letter (case counts), or a register or mnemonic of the assemblers (case does not).
bool isReservedWord(std::string_view word, SourceLanguage language);
