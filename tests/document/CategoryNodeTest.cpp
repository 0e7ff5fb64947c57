#include "document/CategoryNode.h"

#include <array>
#include <memory>

#include <gtest/gtest.h>

#include "document/AlbumContent.h"

namespace {

// Photos in file order, each with its five classification texts.
class ClassifiedPhotos : public ::testing::Test {
protected:
    PhotoRecord& add(std::array<const char*, 5> levels) {
        auto record = std::make_unique<PhotoRecord>();
        for (int level = 1; level <= 5; ++level)
            record->slots[classificationSlot(level)] = levels[static_cast<std::size_t>(level - 1)];
        PhotoRecord& added = *record;
        all.adopt(std::move(record));
        return added;
    }

    void classify() {
        root.clear();
        root.photos.shareFrom(all);
        root.classify(1);
    }

    static std::vector<const PhotoRecord*> photosOf(const CategoryNode& node) {
        return {node.photos.begin(), node.photos.end()};
    }

    PhotoList all;
    CategoryNode root;
};

} // namespace

TEST_F(ClassifiedPhotos, ChildrenKeepTheOrderTheirKeysWereFirstMet) {
    PhotoRecord& first = add({"X", "P", "", "", ""});
    add({"Y", "Q", "", "", ""});
    PhotoRecord& third = add({"X", "R", "", "", ""});
    PhotoRecord& fourth = add({"X", "P", "", "", ""});
    classify();

    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].key, "X");
    EXPECT_EQ(root.children[1].key, "Y");
    const CategoryNode& x = *root.children[0].child;
    ASSERT_EQ(x.children.size(), 2u);
    EXPECT_EQ(x.children[0].key, "P");
    EXPECT_EQ(x.children[1].key, "R");
    const CategoryNode& p = *x.children[0].child;
    EXPECT_EQ(photosOf(p), (std::vector<const PhotoRecord*>{&first, &fourth}));
    EXPECT_EQ(photosOf(x), (std::vector<const PhotoRecord*>{&first, &third, &fourth}));
    EXPECT_EQ(root.deepestNodeOf(first), &p);
    EXPECT_EQ(first.useCount, 4); // the file's list, the root, X and P
}

TEST_F(ClassifiedPhotos, APhotoStopsAtItsFirstEmptyLevel) {
    PhotoRecord& unclassified = add({"", "", "", "", "細別だけ"});
    PhotoRecord& shallow = add({"A", "", "工種", "種別", ""});
    PhotoRecord& deep = add({"A", "B", "C", "D", "E"});
    deep.slots[PhotoSlot::Title] = "掘削状況"; // the title is no sixth level
    classify();

    EXPECT_EQ(root.deepestNodeOf(unclassified), nullptr);
    EXPECT_EQ(root.photos.size(), 3u);
    ASSERT_EQ(root.children.size(), 1u);
    const CategoryNode& a = *root.children[0].child;
    EXPECT_EQ(root.deepestNodeOf(shallow), &a);
    ASSERT_EQ(a.children.size(), 1u); // only B: the shallow photo goes no deeper
    const CategoryNode* e = a.findChild("B")->findChild("C")->findChild("D")->findChild("E");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(root.deepestNodeOf(deep), e);
    EXPECT_TRUE(e->children.empty());
}

TEST_F(ClassifiedPhotos, KeysAreComparedByteForByte) {
    add({"1", "", "", "", ""});
    add({"１", "", "", "", ""});
    add({"a b", "", "", "", ""});
    add({"a  b", "", "", "", ""});
    classify();
    EXPECT_EQ(root.children.size(), 4u);
    EXPECT_EQ(root.findChild("1")->photos.size(), 1u);
    EXPECT_EQ(root.findChild("A"), nullptr);
}

TEST_F(ClassifiedPhotos, TheSameKeyUnderTwoParentsGivesTwoNodes) {
    add({"工事", "施工状況写真", "土工", "", ""});
    add({"工事", "品質管理写真", "土工", "", ""});
    classify();
    const CategoryNode& work = *root.findChild("工事");
    const CategoryNode* first = work.findChild("施工状況写真")->findChild("土工");
    const CategoryNode* second = work.findChild("品質管理写真")->findChild("土工");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
}

TEST_F(ClassifiedPhotos, ClearingTheTreeGivesUpItsUses) {
    PhotoRecord& photo = add({"A", "B", "", "", ""});
    classify();
    EXPECT_EQ(photo.useCount, 4);
    classify(); // a second build replaces the first
    EXPECT_EQ(photo.useCount, 4);
    root.clear();
    EXPECT_EQ(photo.useCount, 1);
    EXPECT_TRUE(root.children.empty());
}

TEST_F(ClassifiedPhotos, NoPhotosGiveARootWithoutChildren) {
    classify();
    EXPECT_TRUE(root.children.empty());
}

TEST_F(ClassifiedPhotos, CountsGatherUpTheTreeAndSkipEmptyNodes) {
    PhotoRecord& faulty = add({"X", "P", "", "", ""});
    add({"X", "R", "", "", ""});
    PhotoRecord& alsoFaulty = add({"X", "P", "K", "", ""});
    add({"Y", "Q", "", "", ""});
    classify();
    const auto counts = countPerNode(
        root, [&](const PhotoRecord& photo) { return &photo == &faulty || &photo == &alsoFaulty; });
    const CategoryNode& x = *root.children[0].child;
    EXPECT_EQ(counts.at(&x), 2);
    EXPECT_EQ(counts.at(x.children[0].child.get()), 2);                    // P
    EXPECT_EQ(counts.at(x.children[0].child->children[0].child.get()), 1); // K
    EXPECT_EQ(counts.size(), 3u); // neither R nor Y, nor the root
}

TEST_F(ClassifiedPhotos, APathFindsKeysThatHoldTheSeparator) {
    add({"工事", "施工状況写真", "A/B", "", ""});
    add({"工事", "施工状況写真", "A", "B", ""});
    classify();
    const CategoryNode* written = root.findChild("工事")->findChild("施工状況写真");
    const struct {
        const char* path;
        const CategoryNode* node;
    } cases[] = {
        {"", &root},
        {"工事/施工状況写真", written},
        {"工事/施工状況写真/A\\/B", written->findChild("A/B")},
        {"工事/施工状況写真/A/B", written->findChild("A")->findChild("B")},
        {"工事/ない分類", nullptr},
    };
    for (const auto& example : cases)
        EXPECT_EQ(nodeAtPath(root, example.path), example.node) << example.path;
}
