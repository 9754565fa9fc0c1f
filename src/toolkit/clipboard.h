// The desktop's clipboard, in the forms the program writes and reads: text, a picture, and a
// form of the program's own that carries its data exactly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/drawing.h"

namespace toolkit {

struct ClipboardData {
    std::string text;               // "" when there is none
    PixelBuffer picture;            // 0 x 0 when there is none
    std::string own_type;           // the MIME type of the program's own form
    std::vector<uint8_t> own_bytes; // that form's data
};

// Puts every form given on the clipboard at once, replacing what it held; 0 on failure.
int set_clipboard(const ClipboardData& data);
// What the clipboard holds: its text, its picture and, when it holds the program's own form of
// that type, its data.
ClipboardData get_clipboard(const std::string& own_type);

} // namespace toolkit
