#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QString>

#include "album/AlbumPainter.h"
#include "document/AlbumContent.h"
#include "media/Delivery.h"
#include "media/DiscSearch.h"

class QPagedPaintDevice;
class QPainter;
class WorkService;
struct DecodedFile;

// What an album is made from: a share of the open delivery's photos in the order printed,
// where their files are, and the works' name. Made on the GUI thread, then used by one
// worker alone.
struct AlbumSource {
    PhotoList photos;
    std::string photoFolder;
    std::shared_ptr<const DiscSearch> otherDiscs; // null: look on no other disc
    std::string constructionName;
    int photosPerPage = 3;
    // The cover's items (albumCoverItems), on a page before the photos'; empty: no cover.
    std::vector<AlbumParticular> cover;
    // Decodes the photos ahead in its background lane; null: one by one as they are painted.
    WorkService* work = nullptr;
};

// The album of photos, in the order given, from delivery's files, photosPerPage to a page.
AlbumSource albumSourceFor(const Delivery& delivery, const PhotoList& photos, int photosPerPage,
                           WorkService* work);

// Gives source its cover: data's works, scope (which photos it holds) and their count, and
// today as the day it was made.
void addAlbumCover(AlbumSource& source, const PhotoDataSet& data, std::string_view scope);

// How far the album has come: photos done of all; false stops it.
using AlbumProgress = std::function<bool(int done, int total)>;

struct AlbumOutcome {
    bool complete = false; // every page was painted
    int pages = 0;
    int shortened = 0; // particulars shortened with "…"
};

// Paints the album onto device page by page, each photo decoded at about 300 dpi of its
// printed size a few pages ahead, so that memory does not grow with the album. Progress is told
// after each photo.
AlbumOutcome paintAlbum(const AlbumSource& source, QPainter& painter, QPagedPaintDevice& device,
                        const AlbumProgress& progress);

// Writes the album to a PDF file at path, A4 portrait, with the works' name as its title and
// TESSEL as its creator. The file is written aside and put in place at the end: a stopped
// or failed album leaves nothing at path. error says why the file could not be written.
AlbumOutcome saveAlbumPdf(const AlbumSource& source, const QString& path,
                          const AlbumProgress& progress, QString* error = nullptr);

// The page of an album of photos whose first photo is photos[first]: its header and number,
// each photo's particulars; no image yet.
AlbumPage albumPageOf(const PhotoList& photos, int first, int photosPerPage,
                      const std::string& constructionName);
// Gives entry the image of file, or the caption that says why there is none (the file's name
// and the medium that holds it).
void showImage(AlbumEntry& entry, const DecodedFile& file, const std::string& name,
               const std::string& medium);
