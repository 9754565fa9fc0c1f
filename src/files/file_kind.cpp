#include "files/file_kind.h"

#include "files/bdf_file.h"
#include "files/bmp_file.h"
#include "files/png_file.h"
#include "files/project_file.h"
#include "files/psf_file.h"

FileKind kindOfFile(std::span<const uint8_t> file) {
    if (isProject(file)) return FileKind::project;
    // Only whole headers count for the formats of short marks, which raw bytes may start with.
    if (isPng(file) || isPsf(file) || isBdf(file) || isBmp(file)) return FileKind::markedFont;
    return FileKind::unmarked;
}
