// The binding's small translations: keys, texts, filters and window placement.
#include <gtest/gtest.h>

#include "toolkit/qt/key_mapping.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/requester_dialogs.h"
#include "toolkit/qt/window_placement.h"
#include "toolkit/windows.h"

using namespace toolkit;
using namespace toolkit::qt;

namespace {

TEST(KeyMapping, KeysTheProgramComparesHaveTheirCodes) {
    EXPECT_EQ(virtual_key(Qt::Key_Escape, {}), vk_escape);
    EXPECT_EQ(virtual_key(Qt::Key_Left, {}), vk_left);
    EXPECT_EQ(virtual_key(Qt::Key_Up, {}), vk_up);
    EXPECT_EQ(virtual_key(Qt::Key_Right, {}), vk_right);
    EXPECT_EQ(virtual_key(Qt::Key_Down, {}), vk_down);
    EXPECT_EQ(virtual_key(Qt::Key_Insert, {}), vk_insert);
    EXPECT_EQ(virtual_key(Qt::Key_Delete, {}), vk_delete);
    EXPECT_EQ(virtual_key(Qt::Key_I, Qt::ControlModifier), 0x49);
    EXPECT_EQ(virtual_key(Qt::Key_O, Qt::ControlModifier), 0x4F);
}

TEST(KeyMapping, ShiftedAndKeypadKeysCountAsTheirKeys) {
    EXPECT_EQ(virtual_key(Qt::Key_Backtab, Qt::ShiftModifier), vk_tab);
    EXPECT_EQ(virtual_key(Qt::Key_Exclam, Qt::ShiftModifier), '1');
    EXPECT_EQ(virtual_key(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(virtual_key(Qt::Key_5, {}), '5');
    EXPECT_EQ(virtual_key(Qt::Key_F12, {}), 123);
    EXPECT_EQ(virtual_key(Qt::Key_Adiaeresis, {}), 0);
}

TEST(KeyMapping, ModifiersAndButtons) {
    EXPECT_EQ(modifier_bits(Qt::ShiftModifier | Qt::ControlModifier),
              modifier_shift | modifier_control);
    EXPECT_EQ(modifier_bits(Qt::AltModifier | Qt::KeypadModifier), modifier_alt);
    EXPECT_EQ(button_bit(Qt::RightButton), button_right);
    EXPECT_EQ(button_bit(Qt::BackButton), 0);
}

TEST(QtText, ProgramCharactersAndFileNamesBothRoundTrip) {
    EXPECT_EQ(qt_text("196($C4)'\xC4'"), QString::fromUtf8("196($C4)'\u00C4'"));
    EXPECT_EQ(qt_text("/home/j\xC3\xBCrgen/a.fnt"), QString::fromUtf8("/home/j\u00FCrgen/a.fnt"));
    for (const std::string& bytes :
         {std::string("'\xC4'"), std::string("\xE2\x82\xAC 5"), std::string("plain")})
        EXPECT_EQ(byte_text(qt_text(bytes)), bytes);
    EXPECT_EQ(without_mnemonics(QStringLiteral("Fish & Chips")), QStringLiteral("Fish && Chips"));
}

TEST(FileFilters, PatternsBecomeQtFiltersAndComeBackAsIndices) {
    const QStringList filters{name_filter({"Font (*.fnt)", "*.fnt"}),
                              name_filter({"Fonts", "*.fnt;*.bin"}), name_filter({".bmp", ""})};
    EXPECT_EQ(filters[1], QStringLiteral("Fonts (*.fnt *.bin)"));
    EXPECT_EQ(filters[2], QStringLiteral(".bmp (*)"));
    EXPECT_EQ(filter_index(filters, filters[1], 0), 1);
    EXPECT_EQ(filter_index(filters, QStringLiteral("Font (*.fnt)"), 1), 0);
    EXPECT_EQ(filter_index(filters, QStringLiteral(".bmp"), 0), 2);
    // What the dialog reports in a form of its own leaves the filter it was opened with.
    EXPECT_EQ(filter_index(filters, QStringLiteral("Other"), 1), 1);
    EXPECT_EQ(filter_index(filters, QString(), 2), 2);
}

TEST(WindowPlacement, CentringUsesTheWholeOuterSize) {
    const QRect screen(0, 0, 1920, 1080);
    EXPECT_EQ(centred_on(screen, QSize(646, 509)), QPoint(637, 285));
    EXPECT_EQ(centred_on(screen, QSize(2000, 1200)), QPoint(0, 0));
    EXPECT_EQ(centred_on(QRect(1920, 0, 1280, 1024), QSize(280, 24)), QPoint(2420, 500));
}

TEST(WindowPlacement, FlagsChooseTheCorner) {
    WindowRecord window{.x = 40, .y = 50, .inner_width = 300, .inner_height = 200};
    const QRect screen(0, 0, 1920, 1080);
    const QSize outer(306, 229);
    const QRect active(10, 5, 100, 100);
    EXPECT_EQ(opening_position(window, outer, screen, active), QPoint(40, 50));
    window.flags = window_centre_on_screen;
    EXPECT_EQ(opening_position(window, outer, screen, active), QPoint(807, 425));
    window.flags = window_centre_on_active;
    EXPECT_EQ(opening_position(window, outer, screen, active), QPoint(10, 5));
    EXPECT_EQ(opening_position(window, outer, screen, QRect(400, 300, 500, 400)), QPoint(497, 385));
    EXPECT_EQ(opening_position(window, outer, screen, std::nullopt), QPoint(40, 50));
}

} // namespace
