#include "files/other_editor_work.h"

#include <array>
#include <string>
#include <utility>

#include "files/charpad_file.h"
#include "files/font_formats.h"
#include "files/petmate_file.h"
#include "files/vchar64_file.h"

std::optional<OtherEditor> otherEditorOf(std::span<const uint8_t> file, std::string_view name) {
    if (isCharpadProject(file)) return OtherEditor::charpad;
    if (isVchar64Project(file)) return OtherEditor::vchar64;
    if (isPetmateFile(file)) return OtherEditor::petmate;
    const std::string extension = extensionOf(name);
    for (const auto& [editorsExtension, editor] : std::array{
             std::pair{charpadExtension, OtherEditor::charpad},
             std::pair{vchar64Extension, OtherEditor::vchar64},
             std::pair{petmateExtension, OtherEditor::petmate},
         })
        if (extension == editorsExtension) return editor;
    return std::nullopt;
}

WorkReading decodeOtherEditorWork(OtherEditor editor, std::span<const uint8_t> file,
                                  const Document& base, size_t screen) {
    switch (editor) {
    case OtherEditor::charpad:
        return decodeCharpadProject(file, base);
    case OtherEditor::vchar64:
        return decodeVchar64Project(file, base);
    case OtherEditor::petmate:
        break;
    }
    return decodePetmateFile(file, base, screen);
}
