#include "files/image_export.h"

#include <string>

#include "toolkit/drawing.h"
#include "toolkit/requesters.h"
#include "toolkit/texts.h"

using namespace toolkit;

void exportCharsetImage(AppState& state) {
    std::string name =
        save_file_requester("Please choose file to save", state.lastFolder, ".bmp", 0);
    if (name.empty()) return;
    state.lastFolder = path_part(name);
    if (lower_case(right_part(name, 4)) != ".bmp") name += ".bmp";
    if (!save_image(charsetImage, name)) {
        message_requester("Save file", "File Error:" + name, message_ok);
    }
}
