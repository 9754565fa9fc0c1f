// The languages of the source exports.
#pragma once

// An export names its array or label in one of them; each refuses its own words.
enum class SourceLanguage { c, ca65, acme, z80 };
