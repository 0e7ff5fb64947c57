#pragma once

#include <string>

class CQuillonDoc;

// Where the current photo stands, for the status bar: "写真 12 / 300" in the whole delivery
// by serial number and, while a node chosen in browse mode 1 narrows the order,
// "（掘削工 3 / 50）" in that node, or while a search does, "（検索 3 / 12）" among its matches.
// Empty when no photo is current.
std::string browsePositionText(const CQuillonDoc& document);

// The window's title: "工事名称 — TESSEL" when the construction information names the works,
// "TESSEL" otherwise.
std::string windowTitleFor(const CQuillonDoc& document);
