#pragma once

#include <memory>

#include "document/CQuillonDoc.h"
#include "imaging/ImageLoader.h"
#include "tests/support/ManualExecutor.h"
#include "tests/support/TestDelivery.h"

// A view of type View on its own document, with an image pipeline whose decodes run when the
// test calls settle().
template <typename View> struct ViewFixture {
    FakeDocumentHost host;
    CQuillonDoc document{host};
    ManualExecutor* decoder = new ManualExecutor; // owned by images
    ImageLoader images{std::unique_ptr<DecodeExecutor>(decoder)};
    View view{document, images};

    void settle() { decoder->runAll(); }
    // Opens path as the application does, and lets the decodes run.
    void open(const std::string& path) {
        document.OnOpenDocument(path);
        document.sendInitialUpdate();
        settle();
    }
};
