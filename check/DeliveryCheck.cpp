#include "check/DeliveryCheck.h"

#include "check/DeliveryRules.h"
#include "check/DiscRules.h"
#include "check/FileRules.h"
#include "check/FolderRules.h"
#include "check/IndexRules.h"
#include "check/MetadataRules.h"
#include "check/PhotoReuse.h"
#include "check/RecordRules.h"
#include "check/RuleTable.h"
#include "check/TextRules.h"
#include "media/MountPoints.h"
#include <algorithm>
#include <map>

namespace {

using Findings = std::vector<Finding>;

// One photo or drawing file to probe.
struct FileJob {
    int position;
    int drawing; // its place among the photo's drawings; -1 for the photo's own file
    std::string name;
    std::string path;
    std::string medium;
};

std::string mediumOf(const PhotoRecord& photo) {
    const std::string& medium = photo.slots[PhotoSlot::MediaNumber];
    return medium.empty() ? "1" : medium;
}

std::vector<FileJob> fileJobs(const CheckInput& input) {
    std::vector<FileJob> jobs;
    int position = 0;
    for (const PhotoRecord* photo : input.data.photos) {
        const auto add = [&](const std::string& folder, const std::string& name, int drawing) {
            const std::string path = fileInFolder(folder, name);
            if (!name.empty() && !path.empty())
                jobs.push_back({position, drawing, name, path, mediumOf(*photo)});
        };
        add(input.folders.photos, photo->slots[PhotoSlot::FileName], -1);
        for (std::size_t drawing = 0; drawing < photo->drawings.size(); ++drawing)
            add(input.folders.drawings,
                photo->drawings[drawing].slots[DrawingSlot::DrawingFileName], int(drawing));
        ++position;
    }
    return jobs;
}

// A file of this disc's medium is looked for here only.
FileFacts probeOnMedia(const FileJob& job, const CheckInput& input, const FileProbe& probe) {
    const bool thisDisc = job.medium == input.thisMedium;
    return probe.probe({job.path, job.medium, thisDisc ? nullptr : input.otherDiscs});
}

std::vector<FileFacts> probeAll(const std::vector<FileJob>& jobs, const CheckInput& input,
                                const FileProbe& probe, CheckProgress& progress,
                                const SpreadWork& spread) {
    std::vector<FileFacts> facts(jobs.size());
    spread(jobs.size(), [&](std::size_t job) {
        if (progress.cancelled)
            return;
        facts[job] = probeOnMedia(jobs[job], input, probe);
        ++progress.filesDone;
    });
    return facts;
}

Findings findingsOfFile(const FileJob& job, const FileFacts& facts, const CheckInput& input,
                        const PhotoRecord& photo, const EditionRules& edition) {
    const bool drawing = job.drawing != -1;
    const std::string prefix = drawing ? "drawing" : "file";
    if (facts.exists) {
        Findings found = fileFindings(facts, job.name, prefix,
                                      drawing ? nullptr : &photo.slots[PhotoSlot::ShotDate],
                                      edition.photoFormats);
        const Findings hints = drawing ? Findings() : metadataFindings(facts, photo);
        found.insert(found.end(), hints.begin(), hints.end());
        return found;
    }
    if (job.medium == input.thisMedium)
        return {makeFinding(prefix + "-missing",
                            "この媒体（メディア番号 " + input.thisMedium + "）にありません")};
    return {makeFinding(prefix + "-other-medium", "メディア番号 " + job.medium +
                                                      " の媒体にあります（読み込まれていません）")};
}

// The photos that share a key with another: each is told which others share it.
void reportShared(const std::vector<std::string>& keys, std::string_view rule,
                  std::string_view what, std::vector<Findings>& perPhoto) {
    std::map<std::string, std::vector<int>> positions;
    for (int position = 0; position < int(keys.size()); ++position) {
        if (!keys[position].empty())
            positions[keys[position]].push_back(position);
    }
    for (const auto& [key, shared] : positions) {
        for (const int position : shared) {
            std::string others;
            for (const int other : shared) {
                if (other != position)
                    others += (others.empty() ? "" : "、") + std::to_string(other + 1);
            }
            if (!others.empty())
                perPhoto[position].push_back(makeFinding(
                    rule, std::string(what) + "がファイル中 " + others + " 番目の写真と同じです"));
        }
    }
}

void reportDuplicates(const PhotoList& photos, std::vector<Findings>& perPhoto) {
    std::vector<std::string> serials;
    std::vector<std::string> names;
    for (const PhotoRecord* photo : photos) {
        const std::string& serial = photo->slots[PhotoSlot::SerialNumber];
        // 0012 and 12 are the same number.
        serials.push_back(isPositiveNumber(serial) ? serial.substr(serial.find_first_not_of('0'))
                                                   : serial);
        // One file on a disc read without regard to case.
        names.push_back(upperAscii(photo->slots[PhotoSlot::FileName]));
    }
    reportShared(serials, "serial-duplicate", "シリアル番号", perPhoto);
    reportShared(names, "file-name-duplicate", "写真ファイル名", perPhoto);
}

// The damaged file's finding; with the records it may have lost, the unlisted files it may
// have named are one line, not one finding each.
Finding damagedFileFinding(const ReadError& error) {
    Finding finding =
        makeFinding("xml-damaged", std::to_string(error.line) + " 行目で読み込みが止まりました（" +
                                       error.reason + "）。" +
                                       (error.recordsLost ? "それより後の写真は検査していません"
                                                          : "写真の記録はすべて読めています"));
    finding.detail = error.message;
    return finding;
}

WorksPeriod worksPeriodOf(const PhotoDataSet& data) {
    const auto& slots = data.constructionInfo.slots;
    return {slots[ConstructionSlot::PeriodStart], slots[ConstructionSlot::PeriodEnd]};
}

// The photos' own files that were read, for the search of pictures used twice.
std::vector<ProbedPhoto> probedPhotos(const std::vector<FileJob>& jobs,
                                      const std::vector<FileFacts>& facts,
                                      const PhotoList& photos) {
    std::vector<ProbedPhoto> probed;
    for (std::size_t job = 0; job < jobs.size(); ++job) {
        if (jobs[job].drawing == -1 && facts[job].exists)
            probed.push_back(
                {jobs[job].position,
                 photos[std::size_t(jobs[job].position)].slots[PhotoSlot::SerialNumber],
                 jobs[job].name, &facts[job]});
    }
    return probed;
}

// Once for the delivery: how many photos carry the electronic blackboard's data. Its
// tamper-check value needs a certified tool; this check does not claim to have verified it.
Findings blackboardPresence(const std::vector<ProbedPhoto>& photos) {
    const auto carrying = std::count_if(photos.begin(), photos.end(), [](const ProbedPhoto& p) {
        return !p.facts->blackboard.empty() || p.facts->blackboardTamperValue;
    });
    if (carrying == 0)
        return {};
    return {makeFinding("blackboard-present",
                        std::to_string(carrying) +
                            " 枚の写真が電子黒板の情報を持っています。改ざん検知値はここでは"
                            "検証していません（検証には認定された確認ツールが必要です）")};
}

void placeOnPhoto(Findings& findings, const PhotoRecord& photo, int position) {
    for (Finding& finding : findings) {
        finding.position = position;
        finding.serial = photo.slots[PhotoSlot::SerialNumber];
        if (finding.fileName.empty())
            finding.fileName = photo.slots[PhotoSlot::FileName];
    }
}

} // namespace

// A disc of plain ISO 9660 names shows them in lower case, PHOTO.XML as photo.xml.
bool namesMappedOn(const std::string& photoXml) {
    const std::string name = photoXml.substr(photoXml.rfind('/') + 1);
    return fileSystemTypeOf(photoXml) == "iso9660" && upperAscii(name) != name;
}

CheckInput checkInputFor(const PhotoDataSet& data, const Delivery& delivery) {
    const auto& index = delivery.index;
    const std::string medium = index ? index->label.mediumNumber : "";
    return {data,
            delivery.folders,
            medium.empty() ? "1" : medium,
            delivery.otherDiscs,
            delivery.path,
            index ? index->appliedStandard : "",
            index ? index->label.mediumCount : "",
            nullptr,
            namesMappedOn(delivery.path),
            delivery.indexPath,
            index};
}

void oneAfterAnother(std::size_t count, const std::function<void(std::size_t)>& each) {
    for (std::size_t index = 0; index < count; ++index)
        each(index);
}

CheckResult checkDelivery(const CheckInput& input, const FileProbe& probe, CheckProgress& progress,
                          const SpreadWork& spread) {
    const PhotoList& photos = input.data.photos;
    std::vector<Findings> perPhoto(photos.size());
    const EditionChoice edition = editionOf(input);
    const RecordContext context{*edition.rules, worksPeriodOf(input.data),
                                isShiftJis(input.data.prolog), input.mediumCount};
    for (std::size_t position = 0; position < photos.size(); ++position)
        perPhoto[position] = recordFindings(photos[position], context);
    reportDuplicates(photos, perPhoto);

    const std::vector<FileJob> jobs = fileJobs(input);
    progress.filesTotal = jobs.size();
    const std::vector<FileFacts> facts = probeAll(jobs, input, probe, progress, spread);
    CheckResult result;
    result.findings = deliveryFindings(input, edition);
    result.complete = !progress.cancelled;
    for (std::size_t job = 0; result.complete && job < jobs.size(); ++job) {
        const PhotoRecord& photo = photos[std::size_t(jobs[job].position)];
        Findings found = findingsOfFile(jobs[job], facts[job], input, photo, *edition.rules);
        for (Finding& finding : found) {
            finding.fileName = jobs[job].name;
            finding.drawing = jobs[job].drawing;
        }
        perPhoto[std::size_t(jobs[job].position)].insert(
            perPhoto[std::size_t(jobs[job].position)].end(), found.begin(), found.end());
    }

    const std::vector<ProbedPhoto> probed = probedPhotos(jobs, facts, photos);
    if (result.complete) {
        for (auto& [position, finding] : reusedPhotoFindings(probed))
            perPhoto[std::size_t(position)].push_back(std::move(finding));
    }

    if (input.data.readError)
        result.findings.push_back(damagedFileFinding(*input.data.readError));
    for (const Findings& disc : {indexFindings(input), discFindings(input), folderFindings(input),
                                 blackboardPresence(probed)})
        result.findings.insert(result.findings.end(), disc.begin(), disc.end());
    for (std::size_t position = 0; position < photos.size(); ++position) {
        placeOnPhoto(perPhoto[position], photos[position], int(position));
        result.findings.insert(result.findings.end(), perPhoto[position].begin(),
                               perPhoto[position].end());
    }
    return result;
}
