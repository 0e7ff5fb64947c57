#pragma once

#include <mutex>
#include <string>

// Holds the disc that path is on while it is read, when that disc is optical (ISO 9660 or
// UDF): a drive asked for two files at once seeks back and forth between them, and both take
// far longer than one after the other. On any other file system nothing is held.
std::unique_lock<std::mutex> holdOpticalDisc(const std::string& path);
