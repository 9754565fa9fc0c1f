// The Colours window on real windows: the menu shows it at the size of the mode's rows, and a
// click on a swatch changes the shared colour, which the views and the window then show.
#include <QLabel>

#include "app/menu_ids.h"
#include "model/palettes.h"
#include "program_fixture.h"
#include "views/colors_view.h"

namespace {

QColor shownAt(QWidget* widget, int x, int y) {
    return widget->grab().toImage().pixelColor(x, y);
}

QColor asQColor(toolkit::Color color) {
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TEST_F(Program, TheColoursWindowChoosesTheBackgroundWithAClick) {
    chooseMenuItem(colorModeId + 2); // C64 multicolour: six rows, the background first
    chooseMenuItem(colorsWindowId);
    toolkit::qt::ProgramWindow* colors = window(colorsWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(colors));
    EXPECT_EQ(colors->windowTitle(), "Colours");
    EXPECT_EQ(colors->size(), QSize(colorsWindowWidth, colorsWindowHeight(6)));

    QWidget* charset = ui.gadget_widget(charsetView);
    QWidget* row = ui.gadget_widget(colorRowSwatches);
    // Inside the charset view's border, on a blank glyph away from the cursor.
    const QPoint paper(2 + 248, 2 + 248);
    EXPECT_EQ(shownAt(charset, paper.x(), paper.y()), asQColor(c64Palette[6]));
    QTest::mouseClick(colors->windowHandle(), Qt::LeftButton, {},
                      row->mapTo(colors, QPoint(11 * 32 + 16, 10)));
    runLoop();
    EXPECT_EQ(state.editor.document().machineColors.c64Background, 11);
    EXPECT_EQ(shownAt(charset, paper.x(), paper.y()), asQColor(c64Palette[11]));
    EXPECT_EQ(shownAt(row, 11 * 32 + 16, swatchRowHeight - 2), QColor(0, 0, 0)); // the mark
    EXPECT_EQ(qobject_cast<QLabel*>(ui.gadget_widget(colorRowLabels))->text(),
              "Background ($D021): 11");
}

} // namespace
