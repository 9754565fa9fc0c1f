// Texts crossing between the toolkit's byte strings and Qt's Unicode strings.
#pragma once

#include <QString>
#include <string>

namespace toolkit::qt {

// The program's own texts are 8-bit characters (Latin-1), while file names arrive as UTF-8;
// a byte string that is valid UTF-8 is read as such, anything else as Latin-1. Going back,
// texts that Latin-1 can hold become Latin-1 again, others UTF-8.
QString qt_text(const std::string& bytes);
std::string byte_text(const QString& text);

// Labels of buttons, check boxes and menus show "&" as it is and never get a mnemonic.
QString without_mnemonics(const QString& text);

QString qt_path(const std::string& bytes);
std::string byte_path(const QString& path);

} // namespace toolkit::qt
