#pragma once

#include <memory>

#include "imaging/ImageLoader.h"
#include "media/DiscSearch.h"

// The image pipeline every view shares, as the application makes it and hands it to the
// views: the loader, and where else it looks for files missing on the disc at hand.
class ImagePipeline {
public:
    explicit ImagePipeline(std::unique_ptr<DecodeExecutor> decodes) : images(std::move(decodes)) {}

    ImageLoader& loader() { return images; }
    // From now on, files missing on the open delivery's disc are looked for on its other
    // discs; null looks nowhere else.
    void lookOnOtherDiscs(std::shared_ptr<const DiscSearch> discs) {
        images.lookOnOtherDiscs(std::move(discs));
    }

private:
    ImageLoader images;
};
