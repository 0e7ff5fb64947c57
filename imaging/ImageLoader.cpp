#include "imaging/ImageLoader.h"

#include <algorithm>

#include "media/NameLookup.h"

namespace {

// A decode for box covers a wish for wanted when the box holds it on both axes.
bool covers(QSize box, QSize wanted) {
    return !box.isValid() ||
           (wanted.isValid() && box.width() >= wanted.width() && box.height() >= wanted.height());
}

// A decode that may answer with the embedded thumbnail does not do for one that may not.
bool serves(EmbeddedThumbnail running, EmbeddedThumbnail wanted) {
    return running == EmbeddedThumbnail::Ignore || wanted == EmbeddedThumbnail::Accept;
}

} // namespace

ImageTicket::ImageTicket(ImageTicket&& other) noexcept
    : loader(std::exchange(other.loader, nullptr)), id(other.id) {}

ImageTicket& ImageTicket::operator=(ImageTicket&& other) noexcept {
    if (this != &other) {
        release();
        loader = std::exchange(other.loader, nullptr);
        id = other.id;
    }
    return *this;
}

void ImageTicket::release() {
    if (loader)
        std::exchange(loader, nullptr)->release(id);
}

ImageLoader::ImageLoader(std::unique_ptr<DecodeExecutor> executor, std::size_t cacheBudget)
    : executor(std::move(executor)), images(cacheBudget) {}

ImageLoader::~ImageLoader() {
    executor.reset(); // results still on their way are dropped
}

ImageTicket ImageLoader::request(const MediaFile& file, QSize box, Delivery deliver, SizeRule rule,
                                 EmbeddedThumbnail thumbnail) {
    if (file.path.empty()) {
        deliver(decodeMediaFile(file, box, rule));
        return {};
    }
    if (const DecodedFile* held = images.find(file.path)) {
        const DecodedFile shown = *held; // the delivery may change the cache
        deliver(shown);
        if (shown.isSharpFor(box, rule))
            return {};
        thumbnail = EmbeddedThumbnail::Ignore; // what is held is no less sharp than a thumbnail
    }
    return hold({file, box, rule, thumbnail}, std::move(deliver));
}

ImageTicket ImageLoader::preload(const MediaFile& file, QSize box, SizeRule rule) {
    if (file.path.empty())
        return {};
    if (const DecodedFile* held = images.find(file.path); held && held->isSharpFor(box, rule))
        return {};
    return hold({file, box, rule}, {});
}

ImageTicket ImageLoader::hold(Job wanted, Delivery deliver) {
    wanted.urgent = static_cast<bool>(deliver);
    const std::uint64_t job = jobFor(wanted);
    ++jobs[job].holders;
    const std::uint64_t ticket = ++lastId;
    holders[ticket] = {job, std::move(deliver)};
    startJobs();
    return {*this, ticket};
}

std::uint64_t ImageLoader::jobFor(const Job& wanted) {
    for (auto& [id, job] : jobs) {
        if (job.file.path != wanted.file.path || job.rule != wanted.rule ||
            !covers(job.box, wanted.box) || !serves(job.thumbnail, wanted.thumbnail))
            continue;
        if (wanted.urgent && !job.urgent && !job.running) {
            // A preload the user has caught up with goes ahead of the other preloads.
            job.urgent = true;
            std::erase(backgroundQueue, id);
            urgentQueue.push_back(id);
        }
        return id;
    }
    const std::uint64_t id = ++lastId;
    jobs[id] = wanted;
    (wanted.urgent ? urgentQueue : backgroundQueue).push_back(id);
    return id;
}

void ImageLoader::release(std::uint64_t ticket) {
    const auto holder = holders.find(ticket);
    if (holder == holders.end())
        return;
    const auto job = jobs.find(holder->second.job);
    holders.erase(holder);
    if (job == jobs.end() || --job->second.holders > 0 || job->second.running)
        return;
    // Nobody waits for it any more and it has not started: it never will.
    std::erase(job->second.urgent ? urgentQueue : backgroundQueue, job->first);
    jobs.erase(job);
}

void ImageLoader::startJobs() {
    while (running < executor->workers() && (!urgentQueue.empty() || !backgroundQueue.empty())) {
        std::deque<std::uint64_t>& queue = urgentQueue.empty() ? backgroundQueue : urgentQueue;
        const std::uint64_t id = queue.front();
        queue.pop_front();
        Job& job = jobs.at(id);
        job.running = true;
        ++running;
        executor->execute(
            [file = job.file, box = job.box, rule = job.rule, thumbnail = job.thumbnail] {
                return decodeMediaFile(file, box, rule, thumbnail);
            },
            [this, id](DecodedFile result) { finish(id, std::move(result)); });
    }
}

void ImageLoader::forget(const std::string& path) {
    images.forget(path);
    forgetFolderListings();
}

void ImageLoader::forgetAll() {
    images.clear();
    forgetFolderListings();
}

std::optional<ImageLoader::Job> ImageLoader::sharperThan(const Job& job,
                                                         const DecodedFile& result) {
    if (job.thumbnail == EmbeddedThumbnail::Ignore || result.isSharpFor(job.box, job.rule))
        return std::nullopt;
    Job sharper = job;
    sharper.thumbnail = EmbeddedThumbnail::Ignore;
    sharper.running = false;
    sharper.holders = 0;
    return sharper;
}

void ImageLoader::finish(std::uint64_t jobId, DecodedFile result) {
    --running;
    const auto job = jobs.find(jobId);
    images.insert(job->second.file.path, result);
    const std::optional<Job> sharper = sharperThan(job->second, result);
    jobs.erase(job);
    // A thumbnail too small for its box is delivered, and its holders wait on for the decode
    // that follows it.
    std::uint64_t followUp = 0;
    std::vector<std::uint64_t> tickets;
    for (auto& [ticket, holder] : holders) {
        if (holder.job != jobId)
            continue;
        tickets.push_back(ticket);
        if (sharper) {
            followUp = followUp ? followUp : jobFor(*sharper);
            holder.job = followUp;
            ++jobs.at(followUp).holders;
        }
    }
    std::sort(tickets.begin(), tickets.end()); // in the order they were asked for
    startJobs();
    // A delivery may release tickets or ask for other images, so each holder is looked up
    // again just before its turn: a ticket released meanwhile gets nothing.
    for (const std::uint64_t ticket : tickets) {
        const auto holder = holders.find(ticket);
        if (holder == holders.end())
            continue;
        const Delivery deliver =
            sharper ? holder->second.deliver : std::move(holder->second.deliver);
        if (!sharper)
            holders.erase(holder);
        if (deliver)
            deliver(result);
    }
}
