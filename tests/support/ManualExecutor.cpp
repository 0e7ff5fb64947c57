#include "tests/support/ManualExecutor.h"

bool ManualExecutor::runNext() {
    if (waiting.empty())
        return false;
    auto [work, done] = std::move(waiting.front());
    waiting.pop_front();
    DecodedFile result = work();
    decodedFiles.push_back(result.file);
    done(std::move(result));
    return true;
}

void ManualExecutor::runAll() {
    while (runNext()) {
    }
}
