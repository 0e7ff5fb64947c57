#include "imaging/ImageLoader.h"

#include <filesystem>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <gtest/gtest.h>

#include "tests/support/ManualExecutor.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/TestImages.h"
#include "views/Preloader.h"
#include "work/ThreadedWork.h"

namespace {

// A loader whose decodes run when the test says so, and what it delivered.
class LoaderTest : public ::testing::Test {
protected:
    LoaderTest() : LoaderTest(ImageCache::defaultBudget) {}
    explicit LoaderTest(std::size_t budget)
        : executor(new ManualExecutor), loader(std::unique_ptr<DecodeExecutor>(executor), budget) {}

    ImageLoader::Delivery recordInto(std::vector<DecodedFile>& delivered) {
        return [&delivered](const DecodedFile& file) { delivered.push_back(file); };
    }

    static std::string photo(const std::string& name, const QColor& colour, int width = 400) {
        return writeImageFile(name, filledImage(width, width * 3 / 4, colour), "png").string();
    }

    ManualExecutor* executor; // owned by the loader
    ImageLoader loader;
    std::vector<DecodedFile> delivered;
};

const QSize cell(285, 125);

} // namespace

TEST_F(LoaderTest, AFileTwoViewsShowIsDecodedOnce) {
    const std::string path = photo("a.png", Qt::red);
    std::vector<DecodedFile> other;
    ImageTicket first = loader.request(path, cell, recordInto(delivered));
    ImageTicket second = loader.request(path, cell, recordInto(other));
    EXPECT_TRUE(delivered.empty()); // nothing before the decode
    executor->runAll();
    EXPECT_EQ(executor->decodedFiles.size(), 1u);
    ASSERT_EQ(delivered.size(), 1u);
    ASSERT_EQ(other.size(), 1u);
    EXPECT_EQ(delivered[0].image.pixelColor(5, 5), QColor(Qt::red));

    // Asked again, even smaller, it comes from the cache at once.
    std::vector<DecodedFile> again;
    ImageTicket third = loader.request(path, QSize(100, 50), recordInto(again));
    EXPECT_EQ(again.size(), 1u);
    EXPECT_EQ(executor->waitingDecodes(), 0u);
}

TEST_F(LoaderTest, ALargerWishShowsTheHeldImageThenASharperOne) {
    const std::string path = photo("a.png", Qt::red, 1600);
    ImageTicket small = loader.request(path, cell, recordInto(delivered));
    executor->runAll();
    ImageTicket large = loader.request(path, QSize(1200, 900), recordInto(delivered));
    ASSERT_EQ(delivered.size(), 2u); // the small image at once, as the best there is
    EXPECT_LT(delivered[1].image.width(), 1200);
    executor->runAll();
    ASSERT_EQ(delivered.size(), 3u);
    EXPECT_TRUE(delivered[2].isSharpFor(QSize(1200, 900), fitInside));
}

TEST_F(LoaderTest, AReplacedFileIsDecodedAgain) {
    const std::string path = photo("a.png", Qt::red);
    ImageTicket ticket = loader.request(path, cell, recordInto(delivered));
    executor->runAll();
    photo("a.png", Qt::blue, 320); // another disc, or a corrected file: new size and time
    ticket = loader.request(path, cell, recordInto(delivered));
    executor->runAll();
    EXPECT_EQ(executor->decodedFiles.size(), 2u);
    ASSERT_EQ(delivered.size(), 2u);
    EXPECT_EQ(delivered[1].image.pixelColor(5, 5), QColor(Qt::blue));
}

TEST_F(LoaderTest, AResultNobodyWantsAnyMoreIsDropped) {
    const std::string a = photo("a.png", Qt::red);
    const std::string b = photo("b.png", Qt::green);
    const std::string c = photo("c.png", Qt::blue);
    ImageTicket first = loader.request(a, cell, recordInto(delivered));
    ImageTicket second = loader.request(b, cell, recordInto(delivered));
    ImageTicket third = loader.request(c, cell, recordInto(delivered));
    // Two workers took a and b; c waits. The user steps on before anything arrives.
    first.release();
    third.release();
    executor->runAll();
    EXPECT_EQ(executor->decodedFiles, (std::vector<std::string>{a, b})); // c never started
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0].file, b);
    EXPECT_EQ(loader.decodesUnderway(), 0u);
}

TEST_F(LoaderTest, ADeliveryThatReleasesAnotherTicketOfTheSameDecodeStopsThatDelivery) {
    const std::string path = photo("a.png", Qt::red);
    std::vector<DecodedFile> other;
    ImageTicket second;
    ImageTicket first = loader.request(path, cell, [&](const DecodedFile& file) {
        delivered.push_back(file);
        second.release(); // the view shows another photo now
    });
    second = loader.request(path, cell, recordInto(other));
    executor->runAll();
    EXPECT_EQ(delivered.size(), 1u);
    EXPECT_TRUE(other.empty());
}

TEST_F(LoaderTest, ReloadingFindsADiscPutBackWithTheSameFolderTimes) {
    writeImageFile("pic/p0000001.png", filledImage(40, 30, Qt::red), "png");
    const auto folder = scratchFolder() / "pic";
    const std::string path = (scratchFolder() / "./PIC/P0000001.PNG").string();
    ImageTicket ticket = loader.request(path, cell, recordInto(delivered));
    executor->runAll();
    // Another disc whose folder has the same time, its file named in another case.
    const auto time = std::filesystem::last_write_time(folder);
    std::filesystem::rename(folder / "p0000001.png", folder / "P0000001.png");
    std::filesystem::last_write_time(folder, time);
    loader.forget(path); // F5
    ticket = loader.request(path, cell, recordInto(delivered));
    executor->runAll();
    ASSERT_EQ(delivered.size(), 2u);
    EXPECT_TRUE(delivered[1].isDecoded());
    EXPECT_TRUE(delivered[1].file.ends_with("/pic/P0000001.png"));
}

TEST_F(LoaderTest, OutcomesSayWhyThereIsNoImage) {
    const std::string broken = writeScratchFile("broken.jpg", "not an image").string();
    const std::string missing = (scratchFolder() / "./PIC/absent.jpg").string();
    ImageTicket first = loader.request(broken, cell, recordInto(delivered));
    ImageTicket second = loader.request(missing, cell, recordInto(delivered));
    executor->runAll();
    // A name the delivery must not use is never looked for.
    ImageTicket third = loader.request(std::string(), cell, recordInto(delivered));
    EXPECT_EQ(executor->waitingDecodes(), 0u);
    // A link out of the delivery is as bad as a name out of it.
    std::filesystem::create_directories(scratchFolder() / "d/PIC");
    std::filesystem::create_symlink(broken, scratchFolder() / "d/PIC/linked.jpg");
    ImageTicket fourth = loader.request((scratchFolder() / "d/./PIC/linked.jpg").string(), cell,
                                        recordInto(delivered));
    executor->runAll();
    ASSERT_EQ(delivered.size(), 4u);
    EXPECT_EQ(delivered[3].outcome, DecodeOutcome::BadName);
    EXPECT_EQ(delivered[0].outcome, DecodeOutcome::Undecodable);
    EXPECT_EQ(delivered[1].outcome, DecodeOutcome::Missing);
    EXPECT_EQ(delivered[2].outcome, DecodeOutcome::BadName);
}

TEST_F(LoaderTest, RequestsGoBeforePreloadsAndPreloadsServeThemLater) {
    const std::string ahead = photo("ahead.png", Qt::red);
    const std::string behind = photo("behind.png", Qt::green);
    const std::string dropped = photo("dropped.png", Qt::blue);
    const std::string now = photo("now.png", Qt::gray);
    ImageTicket first = loader.preload(ahead, cell); // both workers take these
    ImageTicket second = loader.preload(behind, cell);
    ImageTicket third = loader.preload(dropped, cell); // waits
    ImageTicket request = loader.request(now, cell, recordInto(delivered));
    third.release(); // the user stepped elsewhere before it started
    executor->runAll();
    EXPECT_EQ(executor->decodedFiles, (std::vector<std::string>{ahead, behind, now}));
    ImageTicket shown = loader.request(ahead, cell, recordInto(delivered));
    EXPECT_EQ(executor->waitingDecodes(), 0u); // read ahead: shown at once
    EXPECT_EQ(delivered.back().file, ahead);
}

class SmallBudget : public LoaderTest {
protected:
    SmallBudget() : LoaderTest(3 * 400 * 300 * 4) {} // three 400 × 300 images
};

TEST_F(SmallBudget, TheCacheStaysWithinItsBudget) {
    for (int i = 0; i < 10; ++i) {
        ImageTicket ticket = loader.request(photo("p" + std::to_string(i) + ".png", Qt::red),
                                            QSize(400, 300), recordInto(delivered));
        executor->runAll();
        EXPECT_LE(loader.cache().bytesHeld(), std::size_t(3 * 400 * 300 * 4));
    }
    EXPECT_EQ(delivered.size(), 10u);
    // The newest are kept, the oldest went first.
    std::vector<DecodedFile> again;
    ImageTicket last =
        loader.request((scratchFolder() / "p9.png").string(), QSize(400, 300), recordInto(again));
    EXPECT_EQ(again.size(), 1u);
    ImageTicket first =
        loader.request((scratchFolder() / "p0.png").string(), QSize(400, 300), recordInto(again));
    EXPECT_EQ(again.size(), 1u);
}

TEST(ImageLoaderThreads, DecodesOnWorkersAndDeliversOnTheCallingThread) {
    const WorkOwner work(ThreadedWork::make());
    ImageLoader loader{decodesIn(*work)};
    const std::string path =
        writeImageFile("pooled.png", filledImage(640, 480, Qt::red), "png").string();
    QEventLoop waitForDelivery;
    std::vector<DecodedFile> delivered;
    Qt::HANDLE deliveredOn = nullptr;
    ImageTicket ticket = loader.request(path, cell, [&](const DecodedFile& file) {
        delivered.push_back(file);
        deliveredOn = QThread::currentThreadId();
        waitForDelivery.quit();
    });
    waitForDelivery.exec();
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(deliveredOn, QThread::currentThreadId());
    EXPECT_EQ(delivered[0].fullSize, QSize(640, 480));
    EXPECT_LE(delivered[0].image.height(), 256); // reduced for the cell
}

TEST(ImageLoaderThreads, ALoaderDestroyedWithDecodesInFlightDeliversNothing) {
    const std::string path =
        writeImageFile("large.png", filledImage(3000, 2000, Qt::red), "png").string();
    bool delivered = false;
    const WorkOwner work(ThreadedWork::make());
    {
        ImageLoader loader{decodesIn(*work)};
        std::vector<ImageTicket> tickets; // the views go before the loader
        for (const QSize box : {QSize(100, 80), QSize(2000, 1500), QSize()})
            tickets.push_back(
                loader.request(path, box, [&](const DecodedFile&) { delivered = true; }));
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(delivered);
}
