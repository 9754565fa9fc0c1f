// Every number of every choice reads back as chosen, and changes no other choice.
#include <gtest/gtest.h>

#include "model/color_choices.h"

namespace {

TEST(ColorChoices, EachNumberReadsBackAndLeavesTheOtherChoices) {
    for (int mode = 0; mode < colorModeCount; ++mode) {
        Document document;
        document.colorMode = ColorMode(mode);
        const Document before = document;
        for (const ColorChoice choice : colorChoices(document.colorMode)) {
            if (choice == ColorChoice::pen) continue;
            for (int number = 0; number < choiceCount(choice); ++number) {
                document.machineColors = withChoice(before.machineColors, choice, number);
                document.c64Border =
                    choice == ColorChoice::c64Border ? uint8_t(number) : before.c64Border;
                ASSERT_EQ(chosenNumber(document, choice), number) << mode << " " << int(choice);
                for (const ColorChoice other : colorChoices(document.colorMode)) {
                    if (other == choice) continue;
                    ASSERT_EQ(chosenNumber(document, other), chosenNumber(before, other));
                }
            }
        }
    }
}

TEST(ColorChoices, TwoColoursOffersNoneAndTheMultiColourModesThePen) {
    EXPECT_TRUE(colorChoices(ColorMode::twoColors).empty());
    for (const ColorMode mode : {ColorMode::c64Multi, ColorMode::atari4})
        EXPECT_EQ(colorChoices(mode).back(), ColorChoice::pen);
    Document document;
    document.pen = 2;
    EXPECT_EQ(chosenNumber(document, ColorChoice::pen), 2);
}

} // namespace
