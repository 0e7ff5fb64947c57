#include "views/Preloader.h"

Preloader::Preloader(ImageLoader& loader, QObject* parent)
    : QObject(parent), loader(loader), idle(this, [this] { start(); }) {}

void Preloader::schedule(std::vector<ImageWish> wishes) {
    held.clear();
    wished = std::move(wishes);
    idle.ask();
}

void Preloader::start() {
    for (const ImageWish& wish : wished)
        held.push_back(loader.preload(wish.file, wish.box, wish.rule));
    wished.clear();
}
