#pragma once

#include <functional>

// Runs read on a thread of its own and returns its result, while the event loop goes on
// painting the window (user input waits until the read is done): reading a large photo XML
// file from a slow disc takes seconds. An exception of read is thrown here.
int readInBackground(const std::function<int()>& read);
