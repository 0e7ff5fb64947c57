#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <QSize>

#include "imaging/DecodeExecutor.h"
#include "imaging/ImageCache.h"

class ImageLoader;

// A view's wish for one image. While the ticket is held the result is delivered; once it is
// dropped (the view shows another photo) nothing is, and a decode nobody waits for any more is
// not started.
class ImageTicket {
public:
    ImageTicket() = default;
    ImageTicket(ImageLoader& loader, std::uint64_t id) : loader(&loader), id(id) {}
    ImageTicket(ImageTicket&& other) noexcept;
    ImageTicket& operator=(ImageTicket&& other) noexcept;
    ImageTicket(const ImageTicket&) = delete;
    ImageTicket& operator=(const ImageTicket&) = delete;
    ~ImageTicket() { release(); }

    void release();

private:
    ImageLoader* loader = nullptr;
    std::uint64_t id = 0;
};

// The image pipeline all views share: decoded images in a cache, decoding on worker threads,
// each file decoded once however many views ask for it. GUI thread only; results come back
// on the GUI thread.
class ImageLoader {
public:
    using Delivery = std::function<void(const DecodedFile&)>;

    explicit ImageLoader(std::unique_ptr<DecodeExecutor> executor,
                         std::size_t cacheBudget = ImageCache::defaultBudget);
    ~ImageLoader();
    ImageLoader(const ImageLoader&) = delete;
    ImageLoader& operator=(const ImageLoader&) = delete;

    // file to be shown in a box of device pixels, by a view that paints by rule. What the
    // cache holds is delivered at once; when it is missing or less sharp than needed, a
    // decode starts (or a running one is joined) and its result is delivered when it arrives.
    // A file missing here is looked for on the delivery's other disc that holds it. An empty
    // path (a name the delivery must not use) is delivered at once as a bad name. When
    // nothing is held, the camera's embedded thumbnail may be accepted: it is delivered first,
    // and the sharper image after it when it is too small for the box.
    [[nodiscard]] ImageTicket request(const MediaFile& file, QSize box, Delivery deliver,
                                      SizeRule rule = fitInside,
                                      EmbeddedThumbnail thumbnail = EmbeddedThumbnail::Ignore);
    // Decodes file ahead of need, after every request, for as long as the ticket is held.
    [[nodiscard]] ImageTicket preload(const MediaFile& file, QSize box, SizeRule rule = fitInside);
    // Reads path from the media again at its next request (F5).
    void forget(const std::string& path);
    // Forgets every image and folder listing: the delivery they came from is closed.
    void forgetAll();

    const ImageCache& cache() const { return images; }
    // Decodes started or waiting; no decode is left once the results are delivered.
    std::size_t decodesUnderway() const { return jobs.size(); }

private:
    friend class ImageTicket;
    struct Job {
        MediaFile file;
        QSize box;
        SizeRule rule;
        EmbeddedThumbnail thumbnail = EmbeddedThumbnail::Ignore;
        bool urgent = false;
        bool running = false;
        int holders = 0;
    };
    struct Holder {
        std::uint64_t job;
        Delivery deliver; // empty for a preload
    };

    ImageTicket hold(Job wanted, Delivery deliver);
    std::uint64_t jobFor(const Job& wanted);
    void release(std::uint64_t ticket);
    void startJobs();
    void finish(std::uint64_t jobId, DecodedFile result);
    // The decode that follows a job's result when that is a thumbnail too small for the box.
    static std::optional<Job> sharperThan(const Job& job, const DecodedFile& result);

    std::unique_ptr<DecodeExecutor> executor;
    ImageCache images;
    std::uint64_t lastId = 0;
    std::unordered_map<std::uint64_t, Job> jobs;
    std::unordered_map<std::uint64_t, Holder> holders; // by ticket
    std::deque<std::uint64_t> urgentQueue;
    std::deque<std::uint64_t> backgroundQueue;
    int running = 0;
};
