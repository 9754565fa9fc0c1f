// The desktop clipboard through Qt: what a copy offers other programs, and a picture another
// program put there, pasted.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <algorithm>

#include "app/menu_ids.h"
#include "program_fixture.h"

namespace {

TEST_F(Program, CopyOffersTextPictureAndBytes) {
    state.editor.changeDocument().charset[0] = 0x3C;
    state.editor.changeDocument().charset[7] = 0x81;
    chooseMenuItem(copyId);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(), "0x3C,0x00,0x00,0x00,0x00,0x00,0x00,0x81\n");
    const QByteArray bytes = copied->data("application/x-gridlet-glyph-rows");
    EXPECT_EQ(bytes, QByteArray("\x08\x3C\0\0\0\0\0\0\x81", 9)); // the height, then the rows
    const QImage picture = qvariant_cast<QImage>(copied->imageData());
    ASSERT_EQ(picture.size(), QSize(8, 8));
    EXPECT_EQ(picture.pixelColor(2, 0), QColor(255, 255, 255));
    EXPECT_EQ(picture.pixelColor(1, 0), QColor(0, 0, 0));
    EXPECT_EQ(picture.pixelColor(7, 7), QColor(255, 255, 255));
}

TEST_F(Program, APictureFromAnotherProgramPastesCellByCell) {
    QImage picture(8, 16, QImage::Format_RGB32);
    picture.fill(QColor(20, 20, 30));
    picture.setPixelColor(0, 0, QColor(250, 240, 240)); // near the ink: set
    picture.setPixelColor(7, 15, QColor(200, 255, 220));
    QGuiApplication::clipboard()->setImage(picture);
    chooseMenuItem(pasteId);
    EXPECT_EQ(state.editor.document().charset[0], 0x80);
    EXPECT_EQ(state.editor.document().charset[15], 0x01);
    EXPECT_EQ(std::count(state.editor.document().charset.begin(),
                         state.editor.document().charset.begin() + 16, 0),
              14);
}

} // namespace
