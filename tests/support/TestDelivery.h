#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/DocumentHost.h"

// One photo of a test delivery; its file is named F<position in the file>.JPG.
struct TestPhoto {
    TestPhoto(std::string serial, std::string major = "", std::string category = "",
              int drawings = 0)
        : serial(std::move(serial)), major(std::move(major)), category(std::move(category)),
          drawings(drawings) {}
    std::string serial;
    std::string major;
    std::string category;
    int drawings;
    std::string mediaNumber = "1";
    std::string shotDate; // 撮影年月日, written only when given
};

std::string testPhotoFileName(std::size_t position);
std::string testDeliveryXml(const std::vector<TestPhoto>& photos);

// Records the document's messages and plays the options dialog.
class FakeDocumentHost : public DocumentHost {
public:
    std::vector<std::string> messages;
    OptionValues saved;
    std::optional<OptionChoice> dialogAnswer;
    std::vector<OptionValues> dialogShown;
    int saves = 0;

    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    std::optional<OptionChoice> runOptionsDialog(const OptionValues& shown) override {
        dialogShown.push_back(shown);
        return dialogAnswer;
    }
    OptionValues savedOptions() const override { return saved; }
    void saveOptions(const OptionValues& options) override {
        saved = options;
        ++saves;
    }
};
