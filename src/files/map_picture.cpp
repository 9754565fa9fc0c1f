#include "files/map_picture.h"

#include "files/map_clipboard.h"

Picture encodeMapPicture(const Document& document) {
    return encodeMapBoxPicture(document, {0, 0, document.mapWidth, document.mapHeight});
}
