#include "main_component/UpdateState.h"
#include "ui/RecoveryText.h"
#include "ui/ScreenTextLayout.h"
#include "ui/ScreenTexts.h"

#include <gtest/gtest.h>

namespace
{
class ScreenTextsTest : public ::testing::Test
{
protected:
    void SetUp() override { texts().setLocale (LANG_EN); }
    void TearDown() override { TxtLoader::releaseInstance(); }

    static TxtLoader& texts() { return *TxtLoader::getInstance(); }

    static ui::ScreenTexts forState (int32_t state, int32_t fileKind = 0)
    {
        ui::ScreenInputs in;
        in.state = state;
        in.fileStatus = 8;
        in.fileKind = fileKind;
        in.devVersion = "1.00";
        in.fileVersion = "1.02";
        return ui::screenTextsFor (in, texts());
    }
};
} // namespace

TEST (ErrorIdLine, FourUpperCaseHexDigits)
{
    EXPECT_EQ (ui::errorIdLine (0x0E21), "\n\nError ID:\t0x0E21");
    EXPECT_EQ (ui::errorIdLine (0x0E03), "\n\nError ID:\t0x0E03");
    EXPECT_EQ (ui::errorIdLine (0x0E41), "\n\nError ID:\t0x0E41");
}

TEST (RecoveryStates, AreTheControllerSideErrors)
{
    for (int32_t id : { 0x0E11, 0x0E31, 0x0E32, 0x0E33, 0x0E34, 0x0E35, 0x0E36, 0x0E37, 0x0E41 })
        EXPECT_TRUE (ui::isRecoveryState (id)) << std::hex << id;
    for (int32_t id : { 0, 1, 6, 8, 0x0E01, 0x0E03, 0x0E05, 0x0E21, 0x0E42 })
        EXPECT_FALSE (ui::isRecoveryState (id)) << std::hex << id;
}

TEST_F (ScreenTextsTest, EachStateShowsItsBlocks)
{
    const auto language = forState (UPD_INIT);
    EXPECT_EQ (language.head, "Language Selections\n\n");
    EXPECT_TRUE (language.headBold);
    EXPECT_EQ (language.body, "Please select a language.");

    const auto ready = forState (UPD_READY);
    EXPECT_EQ (ready.head, "Updates the version of your KRV-TM40 firmware.");
    EXPECT_EQ (ready.body, "Current Version: Ver. 1.00\nUpdate Version: Ver. 1.02");

    for (int32_t phase = UPD_BLOCK_HEAD; phase <= UPD_BLOCK_WAIT; ++phase)
    {
        const auto transfer = forState (phase);
        EXPECT_EQ (transfer.head, "Updating your KRV-TM40 firmware.\n\n");
        EXPECT_TRUE (transfer.body.startsWith ("Please wait"));
    }

    const auto complete = forState (UPD_COMPLETE);
    EXPECT_EQ (complete.head, "The update of your version of the KRV-TM40 firmware is now complete.");
    EXPECT_FALSE (complete.headBold);
    EXPECT_TRUE (complete.body.isEmpty());

    EXPECT_EQ (forState (ERR_FILE_SIZE).error, "There is an error in the update file.\n\nError ID:\t0x0E03");
    EXPECT_EQ (forState (ERR_NOT_CONNECTED).error, "Your KRV-TM40 is not connected.\n\nError ID:\t0x0E21");

    for (int32_t quiet : { (int32_t) UPD_BEGIN, (int32_t) UPD_FINISH, 9, 0x0E00 })
    {
        const auto none = forState (quiet);
        EXPECT_TRUE (none.head.isEmpty() && none.body.isEmpty() && none.error.isEmpty()) << quiet;
    }
}

TEST_F (ScreenTextsTest, ReadyScreenIsBlankUntilTheFilePassedItsChecks)
{
    ui::ScreenInputs in;
    in.state = UPD_READY;
    in.fileStatus = 7;
    const auto texts = ui::screenTextsFor (in, ScreenTextsTest::texts());
    EXPECT_TRUE (texts.head.isEmpty() && texts.body.isEmpty() && texts.error.isEmpty());
}

TEST_F (ScreenTextsTest, CompletionWithoutPlaceholderOmitsTheProductName)
{
    for (auto language : { LANG_PT, LANG_KO })
    {
        texts().setLocale (language);
        const auto complete = forState (UPD_COMPLETE);
        EXPECT_EQ (complete.head, texts().getString (STR_0014));
        EXPECT_FALSE (complete.head.contains ("KRV-TM40"));
    }
}

TEST_F (ScreenTextsTest, RecoveryTextHasItsPiecesInOrderAndTheUnitLine)
{
    const juce::String expected =
        "Failed to update the firmware.\n"
        "This unit can't work temporarily.\n"
        "Please try the following procedure to start the firmware update again.\n"
        "\n"
        "1. Click the Close button to close the Update Program.\n"
        "\n"
        "2. Disconnect the USB cable from the unit and reconnect it.\n"
        "\n"
        "3. Update the firmware again in one of the following ways:\n"
        "\n"
        "  - If you've downloaded the firmware update program from our support page,\n"
        "     double-click the KRV-TM40_vXXX to start the firmware update.\n"
        "\n"
        "  - If you've tried to update the firmware via deckloom,\n"
        "     close deckloom and restart it again. Follow the instructions on the application to start the firmware update.\n"
        "-------------\n"
        "For SH7269\n"
        "-------------\n"
        "\n";
    EXPECT_EQ (forState (ERR_REMOVED, 1).error, expected);

    EXPECT_TRUE (forState (ERR_NO_RESPONSE, 2).error.contains ("-------------\nFor RT1062\n-------------\n"));
    EXPECT_TRUE (forState (ERR_REFUSED_1, 0).error.contains ("-------------\nUNKNOWN CPU\n-------------\n"));
    EXPECT_FALSE (forState (ERR_UNEXPECTED, 1).error.contains ("Error ID"));
    EXPECT_FALSE (forState (ERR_UNEXPECTED, 1).error.contains (texts().getString (STR_0022)));
}

TEST_F (ScreenTextsTest, BodyStartsUnderTheHeadAfterItsEmptyLine)
{
    juce::GlyphArrangement glyphs;
    ui::layoutScreenText (glyphs, forState (UPD_INIT), texts().getFont(), 404, 126);

    ASSERT_GT (glyphs.getNumGlyphs(), 0);
    const auto& first = glyphs.getGlyph (0);
    EXPECT_NEAR (first.getLeft(), 20.0f, 0.5f);
    EXPECT_NEAR (first.getBounds().getY(), 20.0f, 0.5f);

    const auto headLength = juce::String ("Language Selections").length();
    const auto bodyStart = [&]
    {
        for (int i = headLength; i < glyphs.getNumGlyphs(); ++i)
            if (glyphs.getGlyph (i).getCharacter() == 'P')
                return i;
        return -1;
    }();
    ASSERT_GE (bodyStart, 0);
    const auto& body = glyphs.getGlyph (bodyStart);
    EXPECT_NEAR (body.getLeft(), 40.0f, 0.5f);
    // One empty line between the head and the body.
    const auto lineHeight = first.getBounds().getHeight();
    EXPECT_GT (body.getBaselineY() - first.getBaselineY(), 1.5f * lineHeight);
    EXPECT_LT (body.getBaselineY() - first.getBaselineY(), 3.5f * lineHeight);
}

TEST_F (ScreenTextsTest, ErrorTextStartsRightOfTheIcon)
{
    juce::GlyphArrangement glyphs;
    ui::layoutScreenText (glyphs, forState (ERR_FILE_SIZE), texts().getFont(), 404, 126);
    ASSERT_GT (glyphs.getNumGlyphs(), 0);
    EXPECT_NEAR (glyphs.getGlyph (0).getLeft(), 105.0f, 0.5f);
    EXPECT_NEAR (glyphs.getGlyph (0).getBounds().getY(), 20.0f, 0.5f);
    EXPECT_EQ (ui::errorBox (800, 300), juce::Rectangle<float> (105.0f, 20.0f, 675.0f, 280.0f));
}
