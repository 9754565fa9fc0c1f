#include "pixel_picture.h"

Picture pictureOf(const toolkit::PixelBuffer& buffer, int x, int y, int width, int height,
                  std::initializer_list<PictureKey> key) {
    Picture picture;
    for (int row = y; row < y + height; ++row) {
        std::string line;
        for (int column = x; column < x + width; ++column) {
            const toolkit::Color color = buffer.color_at(column, row);
            char symbol = '?';
            for (const PictureKey& entry : key) {
                if (entry.color == color) symbol = entry.symbol;
            }
            line += symbol;
        }
        picture.push_back(line);
    }
    return picture;
}

int countPixels(const toolkit::PixelBuffer& buffer, int x, int y, int width, int height,
                toolkit::Color color) {
    int count = 0;
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            if (buffer.color_at(column, row) == color) ++count;
        }
    }
    return count;
}
