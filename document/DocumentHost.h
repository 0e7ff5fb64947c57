#pragma once

#include <optional>
#include <string_view>

// The two persistent settings as the options dialog shows and returns them.
struct OptionValues {
    unsigned slideInterval = 10; // seconds
    int browseMode = 0;          // 0 or 1; -1 when the dialog returns no choice
};

// What the document needs of the application around it: messages, the options dialog and
// the settings file.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    virtual void showMessage(std::string_view text) = 0;
    // The values read when the dialog closed with OK, or nothing when it was cancelled.
    virtual std::optional<OptionValues> runOptionsDialog(const OptionValues& shown) = 0;
    virtual OptionValues savedOptions() const = 0;
    // Keeps the values for the run and writes them to the settings file.
    virtual void saveOptions(const OptionValues& options) = 0;
};
