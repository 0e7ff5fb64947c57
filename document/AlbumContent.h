#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/CategoryNode.h"
#include "model/PhotoDataSet.h"

class CQuillonDoc;

// Which photos a photo album holds.
enum class AlbumScope {
    Delivery,      // every photo
    ChosenNode,    // the photos of the tree node chosen (or highlighted in browse mode 0)
    SearchMatches, // the matches of the search under way
};

// The scope as the album's dialog and cover name it: 納品全体, 選択中の分類, 検索結果.
std::string_view albumScopeName(AlbumScope scope);

// One line of a photo's particulars beside it in the album.
struct AlbumParticular {
    std::string_view label;
    std::string text;
};

// What the album prints beside a photo, in this order: 写真区分, 工種, 種別, 細別, 写真タイトル,
// 撮影箇所, 撮影年月日, 施工管理値, the contractor's remark (named as the delivery names it), the
// serial number and the file name; empty values left out.
std::vector<AlbumParticular> albumParticulars(const PhotoRecord& photo);

// A photo's classification, its levels joined by "/": what a page's header names.
std::string classificationPathOf(const PhotoRecord& photo);

// The works' name for the album's header and the PDF's title; empty when none is known.
std::string constructionNameOf(const PhotoDataSet& data);

// What the album's cover (表紙) says, in this order: 工事名称, 工期, 発注者, 受注者 (as the
// delivery knows them; empty ones left out), then which photos the album holds and how many,
// and the day it was made (CCYY-MM-DD).
std::vector<AlbumParticular> albumCoverItems(const PhotoDataSet& data, std::string_view scope,
                                             std::size_t photoCount, const std::string& madeOn);

// The photos scope takes from the open delivery, in serial-number order; empty when the scope
// has none (no node chosen, no search under way).
void albumPhotos(const CQuillonDoc& document, AlbumScope scope, PhotoList& photos);
// How many photos scope takes, without putting them in order.
std::size_t albumPhotoCount(const CQuillonDoc& document, AlbumScope scope);

// The tree node at path, its keys from 写真-大分類 down joined by "/" as the tree shows them
// ("工事/施工状況写真/道路土工"); the root (every photo) for an empty path; null for none. A key
// is free text and may hold "/" itself: written "\/" it stays in the key ("\\" is "\").
const CategoryNode* nodeAtPath(const CategoryNode& root, std::string_view path);
