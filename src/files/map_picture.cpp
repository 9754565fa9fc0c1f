#include "files/map_picture.h"

#include "files/glyph_picture.h"
#include "model/glyph_look.h"

Picture encodeMapPicture(const Document& document) {
    Picture picture;
    picture.width = document.mapWidth * glyphBytes;
    picture.height = document.mapHeight * glyphBytes;
    picture.pixels.resize(size_t(picture.width) * size_t(picture.height));
    for (int row = 0; row < document.mapHeight; ++row)
        for (int column = 0; column < document.mapWidth; ++column) {
            const CellLook cell = mapCellLook(document, column, row);
            paintGlyph(picture, document.glyph(cell.code), column * glyphBytes, row * glyphBytes,
                       cell.look, 1);
        }
    return picture;
}
