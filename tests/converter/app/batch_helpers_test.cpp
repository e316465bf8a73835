// The arithmetic behind everyday batches, without a window: the time left
// of a file and its text, the duration column read back, the extensions a
// dropped folder's files are chosen by, and the countdown's sentences.
#include <FileSelection.h>
#include <ShutdownCountdownDialog.h>
#include <TimeLeft.h>
#include <UiContext.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(TimeLeftText, MinutesAndSecondsRoundedHoursWhenLonger) {
    const std::pair<double, const wchar_t*> cases[] = {
        {0, L"00:00"},       {83, L"01:23"},         {83.4, L"01:23"},  {83.6, L"01:24"},
        {3599.4, L"59:59"},  {3600, L"1:00:00"},     {3725, L"1:02:05"}, {-5, L"00:00"},
        {59.5, L"01:00"},    {36000, L"10:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.second, TimeLeftText(c.first).GetString()) << c.first;
}

TEST(TimeLeftText, DurationColumnReadBackInSeconds) {
    const std::pair<const wchar_t*, long long> cases[] = {
        {L"00:01:23", 83}, {L"01:02:03", 3723}, {L"100:00:00", 360000}, {L"00:00:00", 0},
        {L"N/A", -1},      {L"", -1},           {L"00:61:00", -1},      {L"00:01:23.45", -1},
        {L"1:2", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, DurationTextSeconds(c.first)) << testing::PrintToString(std::wstring(c.first));
}

// A file converted at a steady pace: one permille every `msPerPermille`.
struct SteadyFile {
    unsigned long long msPerPermille;
    FileTimeLeft estimate;
    explicit SteadyFile(unsigned long long pace) : msPerPermille(pace) { estimate.Start(0); }
    void At(int permille) { estimate.Update(permille, permille * msPerPermille); }
    double TrueSecondsLeft(int permille) const { return (1000 - permille) * msPerPermille / 1000.0; }
};

TEST(FileTimeLeft, NoEstimateBeforeTwoPercentThenTheSteadyPace) {
    SteadyFile file(100); // the whole file in 100 s
    EXPECT_FALSE(file.estimate.HasEstimate()) << "nothing known at the start";
    for (int permille : {1, 10, 19}) {
        file.At(permille);
        EXPECT_FALSE(file.estimate.HasEstimate()) << permille;
    }
    // From 2 % on, every reading of a steady pace gives the true time left.
    for (int permille : {20, 21, 100, 333, 500, 900, 999, 1000}) {
        file.At(permille);
        ASSERT_TRUE(file.estimate.HasEstimate()) << permille;
        EXPECT_NEAR(file.TrueSecondsLeft(permille), file.estimate.SecondsLeft(), 0.01) << permille;
    }
    EXPECT_NEAR(1.0 / 10, file.estimate.WallPerMediaSecond(1000), 1e-6)
        << "a 1000-second film converted in 100 s";
}

TEST(FileTimeLeft, ReadingsThatJumpMoveTheEstimateOnlyPartWay) {
    SteadyFile file(60); // a 60-second conversion
    for (int permille = 20; permille <= 500; permille += 20)
        file.At(permille);
    const double before = file.estimate.SecondsLeft();
    ASSERT_NEAR(30.0, before, 0.01);
    // The encoder stalls for ten seconds: the reading says 40 s left where
    // the countdown says 20 s; the shown figure moves towards the reading but
    // stays nearer to the countdown.
    file.estimate.Update(500, 40000);
    const double stalled = file.estimate.SecondsLeft();
    EXPECT_GT(stalled, 20.0);
    EXPECT_LT(stalled, 30.0);
    // A burst: suddenly 90 % done. The figure drops, but not all the way.
    file.estimate.Update(900, 41000);
    const double reading = 41.0 * 100 / 900;
    EXPECT_LT(file.estimate.SecondsLeft(), stalled);
    EXPECT_GT(file.estimate.SecondsLeft(), reading);

    // Starting again forgets the previous file.
    file.estimate.Start(50000);
    EXPECT_FALSE(file.estimate.HasEstimate());
    EXPECT_EQ(0.0, file.estimate.WallPerMediaSecond(100));
}

TEST(FileSelection, SupportedExtensionsOfTheOpenFileFilterInAnyCase) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"C:\\in\\clip.avi", true},   {L"C:\\in\\CLIP.AVI", true},    {L"clip.mkv", true},
        {L"clip.m2ts", true},          {L"clip.3gpp2", true},          {L"clip.Mpeg", true},
        {L"clip.mod", true},           {L"clip.ac3", true},            {L"clip.txt", false},
        {L"clip.mp", false},           {L"clip.avi.bak", false},       {L"clip", false},
        {L"C:\\in.avi\\clip", false},  {L"clip.webm", false},          {L"clip.fake", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, IsSupportedFile(c.first)) << testing::PrintToString(std::wstring(c.first));
}

TEST(ShutdownCountdown, SentenceForEachActionAndSecond) {
    struct Case {
        int action;
        int seconds;
        const wchar_t* text;
    };
    const Case cases[] = {
        {PostTaskShutDown, 60, L"The computer will shut down in 60 s."},
        {PostTaskShutDown, 1, L"The computer will shut down in 1 s."},
        {PostTaskLogOff, 60, L"You will be logged off in 60 s."},
        {PostTaskLogOff, 0, L"You will be logged off in 0 s."},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, ShutdownCountdownDialog::CountdownText(c.action, c.seconds).GetString())
            << c.action << " " << c.seconds;
}

} // namespace
