#pragma once

#include <QString>

#include "album/AlbumWriter.h"

class QPrinter;

// Prints the album on the whole paper of printer, whatever its size; a stopped album is
// aborted, not printed in part. error says why the printer could not be opened.
AlbumOutcome printAlbum(const AlbumSource& source, QPrinter& printer, const AlbumProgress& progress,
                        QString* error = nullptr);
