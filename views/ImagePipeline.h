#pragma once

#include <memory>

#include "imaging/ImageLoader.h"

// The image pipeline every view shares, as the application makes it and hands it to the
// views; the application holds it without seeing the image layer itself.
class ImagePipeline {
public:
    explicit ImagePipeline(std::unique_ptr<DecodeExecutor> decodes) : images(std::move(decodes)) {}

    ImageLoader& loader() { return images; }

private:
    ImageLoader images;
};
