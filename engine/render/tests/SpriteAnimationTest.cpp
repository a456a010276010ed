// Sprite animations on a sheet without a device: the play modes, the frame
// rectangle of multi-row sheets, and degenerate animations that must neither
// hang nor divide by zero. Frame sequences' file names.

#include "engine/render/FrameSequence.h"
#include "engine/render/Sprite.h"
#include "engine/render/SpriteAnimation.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

namespace {

struct Sheet {
    Sprite sprite;
    SpriteAnimation animation;

    Sheet(int imageSize, int textureSize, int frameSize, int count, int first, int last)
    {
        sprite.imageWidth = sprite.imageHeight = imageSize;
        sprite.textureWidth = sprite.textureHeight = textureSize;
        animation.SetSheet(&sprite);
        animation.frameWidth = animation.frameHeight = frameSize;
        animation.frameCount = count;
        animation.SetFirstFrame(first);
        animation.SetLastFrame(last);
        animation.ComputeFrameSize();
        animation.SetFps(10.0f);
    }

    // Plays the mode and returns the frames shown after each of the updates.
    std::vector<int> Run(int mode, int updates)
    {
        animation.SetMode(mode);
        animation.Play(true);
        animation.Update(0.0f); // starts the clock
        std::vector<int> shown{animation.current};
        for (int i = 0; i < updates; ++i) {
            animation.Update(0.1f + 1e-4f);
            shown.push_back(animation.current);
        }
        return shown;
    }
};

TEST(SpriteAnimation, ModeTable)
{
    const struct {
        int mode;
        int first, last, updates;
        std::vector<int> shown;
        bool playingAfter;
    } cases[] = {
        {0, 0, 3, 5, {0, 1, 2, 3, 0, 0}, false},          // forward once, ends on the first frame
        {4, 2, 5, 6, {2, 3, 4, 5, 2, 3, 4}, true},        // forward loop over 2..5
        {2, 0, 3, 7, {0, 1, 2, 3, 2, 1, 0, 0}, false},    // ping-pong once, stops on 0
        {6, 0, 2, 6, {0, 1, 2, 1, 0, 1, 2}, true},        // ping-pong without end
        {5, 0, 3, 5, {2, 1, 0, 3, 2, 1}, true},           // backwards loop (Play starts at last - 1)
        {1, 0, 3, 4, {2, 1, 0, 0, 0}, false},             // backwards once
        {3, 0, 3, 6, {2, 1, 0, 1, 2, 3, 0}, false},       // backwards, then forward, ends past the last
    };
    for (const auto& c : cases) {
        Sheet sheet(128, 128, 16, 8, c.first, c.last);
        EXPECT_EQ(sheet.Run(c.mode, c.updates), c.shown) << "mode " << c.mode;
        EXPECT_EQ(sheet.animation.playing, c.playingAfter) << "mode " << c.mode;
    }
}

TEST(SpriteAnimation, FirstUpdateAfterPlayOnlyStartsTheClock)
{
    Sheet sheet(128, 128, 16, 8, 0, 7);
    sheet.animation.SetMode(4);
    sheet.animation.Play(true);
    sheet.animation.Update(5.0f);
    EXPECT_EQ(sheet.animation.current, 0);
    sheet.animation.Update(0.3f + 1e-4f); // three frame times
    EXPECT_EQ(sheet.animation.current, 3);
}

TEST(SpriteAnimation, FramesOnLaterRowsAreCountedFromTheTop)
{
    // 512 x 512 with 128 x 128 frames: frame 5 is row 1, column 1.
    Sheet sheet(512, 512, 128, 16, 0, 15);
    sheet.animation.SetFrame(5);
    EXPECT_FLOAT_EQ(sheet.animation.uLeft, 0.25f);
    EXPECT_FLOAT_EQ(sheet.animation.uRight, 0.5f);
    EXPECT_FLOAT_EQ(sheet.animation.vTop, 0.75f);
    EXPECT_FLOAT_EQ(sheet.animation.vBottom, 0.5f);
    // A picture smaller than its padded texture: 3 frames per row, rows
    // counted from the picture's top edge (at v 0.75), never from the padding.
    Sheet narrow(384, 512, 128, 9, 0, 8);
    narrow.animation.SetFrame(3);
    EXPECT_FLOAT_EQ(narrow.animation.uLeft, 0.0f);
    EXPECT_FLOAT_EQ(narrow.animation.vTop, 0.5f);
    narrow.animation.SetFrame(4);
    EXPECT_FLOAT_EQ(narrow.animation.uLeft, 0.25f);
    EXPECT_FLOAT_EQ(narrow.animation.vTop, 0.5f);
    narrow.animation.SetFrame(7);
    EXPECT_FLOAT_EQ(narrow.animation.uLeft, 0.25f);
    EXPECT_FLOAT_EQ(narrow.animation.vTop, 0.25f);
}

TEST(SpriteAnimation, DegenerateAnimationsNeitherHangNorDivideByZero)
{
    const struct {
        const char* what;
        int imageSize, frameSize, count;
        float fps;
    } cases[] = {
        {"no frames", 128, 16, 0, 10.0f},        {"frames of no size", 128, 0, 4, 10.0f},
        {"frames wider than the sheet", 64, 128, 4, 10.0f}, {"no sheet size", 0, 16, 4, 10.0f},
    };
    for (const auto& c : cases) {
        Sheet sheet(c.imageSize, c.imageSize, c.frameSize, c.count, 0, c.count - 1);
        for (int mode = 0; mode < 8; ++mode) {
            sheet.Run(mode, 3);
            for (int n : {-7, 0, 3, 100})
                sheet.animation.SetFrame(n);
            EXPECT_TRUE(sheet.animation.uLeft == sheet.animation.uLeft) << c.what; // not NaN
        }
    }
    // Frame times of zero, below zero and not a number never advance.
    for (float frameTime : {0.0f, -0.1f, std::numeric_limits<float>::quiet_NaN()}) {
        Sheet sheet(128, 128, 16, 8, 0, 7);
        sheet.animation.SetMode(4);
        sheet.animation.Play(true);
        sheet.animation.frameTime = frameTime;
        sheet.animation.Update(0.0f);
        sheet.animation.Update(1.0f);
        EXPECT_EQ(sheet.animation.current, 0) << frameTime;
    }
    // A frame time too small to count against the clock ends the update.
    Sheet tiny(128, 128, 16, 8, 0, 7);
    tiny.animation.SetMode(4);
    tiny.animation.Play(true);
    tiny.animation.frameTime = 1e-9f;
    tiny.animation.Update(0.0f);
    tiny.animation.Update(1e5f);
    EXPECT_GE(tiny.animation.current, 0);
    EXPECT_LE(tiny.animation.current, 7);
}

TEST(SpriteAnimation, FrameRangeSetters)
{
    Sheet sheet(128, 128, 16, 8, 0, 7);
    sheet.animation.SetFirstFrame(9);
    EXPECT_EQ(sheet.animation.first, 0);
    sheet.animation.SetLastFrame(-1);
    EXPECT_EQ(sheet.animation.last, 7);
    const float before = sheet.animation.frameTime;
    sheet.animation.SetFps(0.0f);
    EXPECT_EQ(sheet.animation.frameTime, before);
}

TEST(SpriteAnimation, CopiesPlayOnTheirOwnOverTheSharedSheet)
{
    Sheet sheet(128, 128, 16, 8, 0, 7);
    SpriteAnimation& original = sheet.animation;
    original.SetMode(SpriteAnimation::kLoop);
    original.Play(true);
    original.Update(0.0f);
    original.Update(0.2f + 1e-4f); // two frames on

    SpriteAnimation copy(original);
    EXPECT_EQ(copy.sprite, &sheet.sprite);
    EXPECT_EQ(copy.current, 2);
    EXPECT_FLOAT_EQ(copy.uLeft, original.uLeft);

    // The copy goes its own way: its frame, clock, range, mode and flag.
    copy.SetLastFrame(3);
    copy.SetMode(0);
    copy.Play(true);
    copy.Update(0.0f);
    copy.Update(0.5f + 1e-4f); // past the end of 0..3: stops on the first frame
    EXPECT_EQ(copy.current, 0);
    EXPECT_FALSE(copy.playing);
    EXPECT_EQ(original.current, 2);
    EXPECT_EQ(original.last, 7);
    EXPECT_EQ(original.mode, SpriteAnimation::kLoop);
    EXPECT_TRUE(original.playing);

    original.Update(0.1f + 1e-4f);
    EXPECT_EQ(original.current, 3);
    EXPECT_EQ(copy.current, 0);

    // One copy for every square: each plays from its own frame.
    std::vector<SpriteAnimation> squares(5, original);
    for (std::size_t i = 0; i < squares.size(); ++i)
        squares[i].SetFrame(static_cast<int>(i));
    for (std::size_t i = 0; i < squares.size(); ++i)
        EXPECT_EQ(squares[i].current, static_cast<int>(i));
}

TEST(SpriteAnimation, ACopyOfAnAnimationWithItsOwnSheetFreesNothing)
{
    SpriteAnimation original;
    auto own = std::make_unique<Sprite>();
    own->imageWidth = own->imageHeight = 64;
    own->textureWidth = own->textureHeight = 64;
    Sprite* sheet = own.get();
    original.SetOwnSheet(std::move(own));
    original.frameWidth = original.frameHeight = 32;
    original.frameCount = 4;
    original.SetLastFrame(3);
    original.ComputeFrameSize();
    original.SetFrame(1);

    {
        SpriteAnimation copy(original);
        EXPECT_FALSE(copy.OwnsSheet());
        EXPECT_EQ(copy.sprite, sheet);
        SpriteAnimation assigned;
        assigned = copy;
        EXPECT_FALSE(assigned.OwnsSheet());
        EXPECT_EQ(assigned.sprite, sheet);
        // The owner takes its copy's state back and keeps its sheet.
        copy.SetFrame(3);
        original = copy;
        EXPECT_TRUE(original.OwnsSheet());
        EXPECT_EQ(original.current, 3);
    } // copies gone: the sheet is still there (the sanitizer reads it below)

    EXPECT_TRUE(original.OwnsSheet());
    ASSERT_EQ(original.sprite, sheet);
    EXPECT_EQ(original.sprite->textureWidth, 64);
    original.SetFrame(2);
    EXPECT_FLOAT_EQ(original.vTop, 0.5f);

    // Moving hands the sheet over; the moved-to animation frees it.
    std::vector<SpriteAnimation> owners;
    owners.push_back(std::move(original));
    owners.emplace_back();
    EXPECT_TRUE(owners[0].OwnsSheet());
    EXPECT_EQ(owners[0].sprite, sheet);
    EXPECT_EQ(owners[0].sprite->imageWidth, 64);
}

TEST(FrameSequence, FileNamesArePaddedBelowTen)
{
    FrameSequence sequence("anim\\", "fish", "png", 4, 8, 1);
    EXPECT_EQ(sequence.frames.size(), 4u);
    EXPECT_EQ(sequence.FrameFileName(0), "anim\\fish08.png");
    EXPECT_EQ(sequence.FrameFileName(1), "anim\\fish09.png");
    EXPECT_EQ(sequence.FrameFileName(2), "anim\\fish10.png");
    EXPECT_EQ(sequence.FrameFileName(3), "anim\\fish11.png");
    FrameSequence none("a", "b", "c", -3, 0, 1);
    EXPECT_TRUE(none.frames.empty());
}

} // namespace
