#include "imaging/Preloader.h"

Preloader::Preloader(ImageLoader& loader, QObject* parent) : QObject(parent), loader(loader) {
    // A zero timer fires once the events already waiting, such as painting, are handled.
    idle.setSingleShot(true);
    idle.setInterval(0);
    connect(&idle, &QTimer::timeout, this, &Preloader::start);
}

void Preloader::schedule(std::vector<ImageWish> wishes) {
    held.clear();
    wished = std::move(wishes);
    idle.start();
}

void Preloader::start() {
    for (const ImageWish& wish : wished)
        held.push_back(loader.preload(wish.path, wish.box, wish.rule, wish.medium));
    wished.clear();
}
