#pragma once

#include <string>
#include <vector>

#include <QObject>
#include <QSize>

#include "imaging/ImageLoader.h"
#include "views/WhenIdle.h"

// One image a view expects to show next.
struct ImageWish {
    MediaFile file;
    QSize box; // device pixels
    SizeRule rule = fitInside;
};

// Reads ahead for one view: when the event loop has nothing else to do after a step, the
// images the next step will show are decoded, in the order wished. A new wish list replaces
// the old one, whose decodes not yet started are dropped.
class Preloader : public QObject {
public:
    explicit Preloader(ImageLoader& loader, QObject* parent = nullptr);

    void schedule(std::vector<ImageWish> wishes);

private:
    void start();

    ImageLoader& loader;
    WhenIdle idle;
    std::vector<ImageWish> wished;
    std::vector<ImageTicket> held;
};
