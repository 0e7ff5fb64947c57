#pragma once

#include <optional>
#include <string_view>

// Which photos the arrows step through: all of them, or those of the node chosen in the tree.
enum class BrowseMode { AllPhotos = 0, ChosenNode = 1 };

// The two persistent settings.
struct OptionValues {
    unsigned slideInterval = 10; // seconds
    BrowseMode browseMode = BrowseMode::AllPhotos;
};

// What the options dialog returns: the interval, and the browse mode when one was chosen.
struct OptionChoice {
    unsigned slideInterval = 10;
    std::optional<BrowseMode> browseMode;
};

// What the document needs of the application around it: messages, the options dialog and
// the settings file.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    virtual void showMessage(std::string_view text) = 0;
    // The values read when the dialog closed with OK, or nothing when it was cancelled.
    virtual std::optional<OptionChoice> runOptionsDialog(const OptionValues& shown) = 0;
    virtual OptionValues savedOptions() const = 0;
    // Keeps the values for the run and writes them to the settings file.
    virtual void saveOptions(const OptionValues& options) = 0;
};
