#include "views/ImagePipeline.h"

void ImagePipeline::lookOnOtherDiscs(std::shared_ptr<const DiscSearch> discs) {
    if (!discs) {
        images.lookElsewhere({});
        return;
    }
    images.lookElsewhere([discs](const std::string& path, const std::string& medium) {
        return discs->find(path, medium);
    });
}
