#include "document/CQuillonDoc.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/BrowsePosition.h"
#include "document/PhotoOrder.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/TestDelivery.h"

namespace {

class RecordingView : public DocumentView {
public:
    std::vector<UpdateHint> hints;
    void onUpdate(DocumentView*, UpdateHint hint) override { hints.push_back(hint); }
};

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() : document(host) {
        document.addView(view);
        document.addView(otherView);
    }

    std::string write(const std::vector<TestPhoto>& photos, const std::string& name = "PHOTO.XML") {
        return writeScratchFile(name, testDeliveryXml(photos)).string();
    }

    void open(const std::vector<TestPhoto>& photos) {
        ASSERT_TRUE(document.OnOpenDocument(write(photos)));
        checkInvariants();
        clearHints();
    }

    void clearHints() {
        view.hints.clear();
        otherView.hints.clear();
    }

    std::vector<std::string> orderSerials() const {
        std::vector<std::string> serials;
        for (const PhotoRecord* photo : document.photoOrder())
            serials.push_back(photo->slots[PhotoSlot::SerialNumber]);
        return serials;
    }

    std::string currentSerial() const {
        return document.currentPhoto() ? document.currentPhoto()->slots[PhotoSlot::SerialNumber]
                                       : "none";
    }

    void checkInvariants() const {
        const int index = document.currentIndex();
        ASSERT_EQ(document.currentPhoto() == nullptr, index == -1);
        if (index != -1) {
            ASSERT_LT(static_cast<std::size_t>(index), document.photoOrder().size());
            EXPECT_EQ(document.currentPhoto(),
                      &document.photoOrder()[static_cast<std::size_t>(index)]);
        }
        if (document.currentDrawing()) {
            EXPECT_EQ(document.imageTarget(), ImageTarget::Drawing);
            EXPECT_EQ(document.currentDrawing(),
                      &document.currentPhoto()
                           ->drawings[static_cast<std::size_t>(document.currentDrawingIndex())]);
        }
    }

    CategoryNode* node(const std::string& major, const std::string& category = "") {
        CategoryNode* found = document.rootNode().findChild(major);
        return found && !category.empty() ? found->findChild(category) : found;
    }

    FakeDocumentHost host;
    CQuillonDoc document;
    RecordingView view;
    RecordingView otherView;
};

using Hints = std::vector<UpdateHint>;

} // namespace

TEST_F(DocumentTest, AViewThatChangesTheDocumentWhileHearingAHintLetsEveryViewHearItFirst) {
    // The first view ends a search when it hears the clear hint, as the find bar once did.
    struct SearchEnder : DocumentView {
        CQuillonDoc& document;
        explicit SearchEnder(CQuillonDoc& document) : document(document) {}
        void onUpdate(DocumentView*, UpdateHint hint) override {
            if (hint == UpdateHint::HINT_CLEAR)
                document.goToPhoto(1, this);
        }
    } ender(document);
    document.removeView(view);
    document.removeView(otherView);
    document.addView(ender);
    document.addView(view);
    open({{"1"}, {"2"}});
    ASSERT_TRUE(document.OnOpenDocument(write({{"3"}, {"4"}})));
    EXPECT_EQ(view.hints, (Hints{UpdateHint::HINT_CLEAR, UpdateHint::HINT_PHOTO_CHANGED,
                                 UpdateHint::HINT_PHOTO_CHANGED}));
    document.removeView(ender);
}

TEST_F(DocumentTest, AnOpenClearsThenAnnouncesTheFirstPhoto) {
    ASSERT_TRUE(document.OnOpenDocument(write({{"2"}, {"1"}})));
    EXPECT_EQ(view.hints, (Hints{UpdateHint::HINT_CLEAR, UpdateHint::HINT_PHOTO_CHANGED}));
    document.sendInitialUpdate();
    EXPECT_EQ(view.hints.back(), UpdateHint::HINT_INITIAL);
    EXPECT_EQ(currentSerial(), "1");
    EXPECT_EQ(document.currentIndex(), 0);
    EXPECT_EQ(document.imageTarget(), ImageTarget::Photo);
    EXPECT_EQ(document.selectedNode(), nullptr);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DocumentTest, ImagesAreLookedUpBesideTheFile) {
    const std::string path = write({{"1"}});
    ASSERT_TRUE(document.OnOpenDocument(path));
    const std::string folder = scratchFolder().string() + "/";
    PhotoRecord photo;
    photo.slots[PhotoSlot::FileName] = "P0000001.JPG";
    photo.slots[PhotoSlot::MediaNumber] = "2";
    ReferenceDrawing drawing;
    drawing.slots[DrawingSlot::DrawingFileName] = "D1.TIF";
    const MediaFile photoFile = document.delivery().photoFile(photo);
    EXPECT_EQ(photoFile.path, folder + "./PIC/P0000001.JPG");
    EXPECT_EQ(photoFile.medium, "2");
    EXPECT_EQ(document.delivery().drawingFile(photo, drawing).path, folder + "./DRA/D1.TIF");
}

TEST_F(DocumentTest, TheOrderIsNumericStableAndSixtyFourBit) {
    open({{"10"},
          {"9"},
          {"4294967296"},
          {"100"},
          {"007"},
          {"7"},
          {"A12"},
          {""},
          {"99999999999"},
          {"+8"}});
    EXPECT_EQ(orderSerials(), (std::vector<std::string>{"A12", "", "007", "7", "+8", "9", "10",
                                                        "100", "4294967296", "99999999999"}));
    EXPECT_EQ(serialNumberValue("-3x"), -3);
    EXPECT_EQ(serialNumberValue("１２"), 0); // full-width digits are no digits
}

TEST_F(DocumentTest, EqualNumbersKeepTheirFileOrderInALongList) {
    // An unstable sort keeps short lists in order by chance; forty equal numbers show it.
    std::vector<TestPhoto> photos;
    for (int i = 0; i < 40; ++i)
        photos.emplace_back(i % 2 ? "1" : "2", "M" + std::to_string(i));
    open(photos);
    std::vector<std::string> majors;
    for (const PhotoRecord* photo : document.photoOrder())
        majors.push_back(photo->slots[PhotoSlot::MajorCategory]);
    std::vector<std::string> expected;
    for (int odd = 1; odd >= 0; --odd) {
        for (int i = odd; i < 40; i += 2)
            expected.push_back("M" + std::to_string(i));
    }
    EXPECT_EQ(majors, expected);
}

TEST_F(DocumentTest, SteppingStopsAtBothEnds) {
    open({{"1"}, {"2"}, {"3"}});
    EXPECT_TRUE(document.isFirstPhoto());
    EXPECT_FALSE(document.previousPhoto(nullptr));
    EXPECT_TRUE(view.hints.empty());

    EXPECT_TRUE(document.nextPhoto(nullptr));
    EXPECT_TRUE(document.nextPhoto(nullptr));
    EXPECT_TRUE(document.isLastPhoto());
    EXPECT_FALSE(document.nextPhoto(nullptr));
    EXPECT_EQ(currentSerial(), "3");
    EXPECT_EQ(view.hints, (Hints(2, UpdateHint::HINT_PHOTO_CHANGED)));

    EXPECT_TRUE(document.previousPhoto(nullptr));
    EXPECT_EQ(currentSerial(), "2");
    EXPECT_FALSE(document.goToPhoto(3, nullptr));
    EXPECT_FALSE(document.goToPhoto(-1, nullptr));
    EXPECT_EQ(document.currentIndex(), 1);
    checkInvariants();
}

TEST_F(DocumentTest, TheSenderDoesNotHearItsOwnHint) {
    open({{"1"}, {"2"}});
    EXPECT_TRUE(document.goToPhoto(1, &view));
    EXPECT_TRUE(view.hints.empty());
    EXPECT_EQ(otherView.hints, (Hints{UpdateHint::HINT_PHOTO_CHANGED}));
}

TEST_F(DocumentTest, OnePhotoIsBothFirstAndLastAndNoPhotosNeither) {
    open({{"5"}});
    EXPECT_TRUE(document.isFirstPhoto());
    EXPECT_TRUE(document.isLastPhoto());
    open(std::vector<TestPhoto>{});
    EXPECT_EQ(document.currentIndex(), -1);
    EXPECT_FALSE(document.isFirstPhoto());
    EXPECT_FALSE(document.isLastPhoto());
    EXPECT_FALSE(document.nextPhoto(nullptr));
    EXPECT_FALSE(document.previousPhoto(nullptr));
    EXPECT_TRUE(view.hints.empty());
}

TEST_F(DocumentTest, ChoosingANodeInModeOneWalksItsPhotosOnly) {
    host.saved.browseMode = BrowseMode::ChosenNode;
    CQuillonDoc modeOne(host);
    ASSERT_TRUE(modeOne.OnOpenDocument(
        write({{"1", "B"}, {"30", "A", "x"}, {"10", "A", "y"}, {"20", "A", "x"}})));
    CategoryNode* a = modeOne.rootNode().findChild("A");
    ASSERT_TRUE(modeOne.selectNode(a, nullptr));
    EXPECT_EQ(modeOne.photoOrder().size(), 3u);
    // The node's first photo in the file is current, at its sorted place.
    EXPECT_EQ(modeOne.currentIndex(), 2);
    EXPECT_EQ(modeOne.currentPhoto()->slots[PhotoSlot::SerialNumber], "30");
    EXPECT_TRUE(modeOne.isLastPhoto());
    EXPECT_TRUE(modeOne.previousPhoto(nullptr));
    EXPECT_EQ(modeOne.currentPhoto()->slots[PhotoSlot::SerialNumber], "20");
    EXPECT_EQ(modeOne.selectedNode(), a);
    EXPECT_FALSE(modeOne.selectNode(nullptr, nullptr));
}

TEST_F(DocumentTest, ChoosingANodeInModeZeroKeepsEveryPhoto) {
    open({{"1", "B"}, {"30", "A", "x"}, {"10", "A", "y"}, {"20", "A", "x"}});
    ASSERT_TRUE(document.selectNode(node("A", "x"), &view));
    EXPECT_EQ(orderSerials(), (std::vector<std::string>{"1", "10", "20", "30"}));
    EXPECT_EQ(currentSerial(), "30");
    EXPECT_EQ(document.currentIndex(), 3);
    EXPECT_TRUE(view.hints.empty());
    EXPECT_EQ(otherView.hints, (Hints{UpdateHint::HINT_NODE_SELECTED}));
    checkInvariants();
}

TEST_F(DocumentTest, ADrawingIsShownUntilTheNextStep) {
    open({{"1", "", "", 2}, {"2"}});
    EXPECT_FALSE(document.selectDrawing(2, nullptr));
    EXPECT_FALSE(document.selectDrawing(-1, nullptr));
    ASSERT_TRUE(document.selectDrawing(1, &view));
    EXPECT_EQ(document.imageTarget(), ImageTarget::Drawing);
    EXPECT_EQ(document.currentDrawingIndex(), 1);
    EXPECT_EQ(otherView.hints, (Hints{UpdateHint::HINT_DRAWING_SELECTED}));
    checkInvariants();

    ASSERT_TRUE(document.nextPhoto(nullptr));
    EXPECT_EQ(document.imageTarget(), ImageTarget::Photo);
    EXPECT_EQ(document.currentDrawing(), nullptr);
    EXPECT_FALSE(document.selectDrawing(0, nullptr)); // the second photo has no drawings
}

TEST_F(DocumentTest, ANewDocumentEmptiesEverythingButTheModes) {
    open({{"1", "A"}, {"2", "A"}});
    document.OnTogglePhotoLayout();
    ASSERT_TRUE(document.selectNode(node("A"), nullptr));
    clearHints();
    ASSERT_TRUE(document.OnNewDocument());
    EXPECT_EQ(document.pathName(), "");
    EXPECT_TRUE(document.photoOrder().empty());
    EXPECT_TRUE(document.rootNode().children.empty());
    EXPECT_EQ(document.currentIndex(), -1);
    EXPECT_EQ(document.imageTarget(), ImageTarget::None);
    EXPECT_EQ(document.selectedNode(), nullptr);
    EXPECT_TRUE(document.fourPhotoLayout());
    // The views empty themselves first; the initial update is the application's to send.
    EXPECT_EQ(view.hints, (Hints{UpdateHint::HINT_CLEAR}));
    checkInvariants();
}

TEST_F(DocumentTest, AFileThatCannotBeOpenedChangesNothing) {
    open({{"1"}, {"2"}});
    ASSERT_TRUE(document.nextPhoto(nullptr));
    clearHints();
    const std::string missing = (scratchFolder() / "missing.xml").string();
    EXPECT_FALSE(document.OnOpenDocument(missing));
    EXPECT_FALSE(document.OnOpenDocument(scratchFolder().string()));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_NE(host.messages[0].find(missing), std::string::npos);
    EXPECT_NE(host.messages[0].find("見つかりません"), std::string::npos);
    EXPECT_TRUE(view.hints.empty());
    EXPECT_EQ(document.photoData().photos.size(), 2u);
    EXPECT_EQ(currentSerial(), "2");
}

TEST_F(DocumentTest, AFailedLoadLeavesANewDocument) {
    open({{"1", "A"}, {"2", "A"}});
    ASSERT_TRUE(document.selectNode(node("A"), nullptr));
    document.loadPhotoXml = [](const std::string&, PhotoDataSet&) -> int {
        throw std::bad_alloc();
    };
    clearHints();
    EXPECT_FALSE(document.OnOpenDocument(write({{"3"}}, "next.xml")));
    EXPECT_EQ(host.messages, (std::vector<std::string>{"next.xmlのロードに失敗しました。"}));
    EXPECT_EQ(view.hints, (Hints{UpdateHint::HINT_CLEAR}));
    // Nothing of the previous file stays reachable from the emptied views.
    EXPECT_EQ(document.pathName(), "");
    EXPECT_EQ(document.currentIndex(), -1);
    EXPECT_TRUE(document.photoOrder().empty());
    EXPECT_EQ(document.selectedNode(), nullptr);
    EXPECT_FALSE(document.nextPhoto(nullptr));
    EXPECT_FALSE(document.selectNode(document.rootNode().findChild("A"), nullptr));
    checkInvariants();
}

TEST_F(DocumentTest, AnXmlFileOfAnotherKindIsAFailedOpen) {
    open({{"1"}});
    const std::string index = writeScratchFile("INDEX_C.XML", "<?xml version=\"1.0\"?>\n"
                                                              "<constdata><工事件名>A</工事件名>"
                                                              "</constdata>\n")
                                  .string();
    EXPECT_FALSE(document.OnOpenDocument(index));
    EXPECT_EQ(host.messages, (std::vector<std::string>{
                                 index + " を開けませんでした。\n写真XMLファイルではありません"}));
    EXPECT_EQ(document.pathName(), "");
    EXPECT_TRUE(document.photoOrder().empty());

    // The right root without a photo is a delivery, if an empty one.
    EXPECT_TRUE(document.OnOpenDocument(writeScratchFile("EMPTY.XML", "<photodata/>").string()));
}

TEST_F(DocumentTest, OnlyAPlainFileNameMakesAPath) {
    open({{"1"}});
    const Delivery& delivery = document.delivery();
    const auto pathsOf = [&delivery](const std::string& name) {
        PhotoRecord photo;
        photo.slots[PhotoSlot::FileName] = name;
        ReferenceDrawing drawing;
        drawing.slots[DrawingSlot::DrawingFileName] = name;
        return std::pair(delivery.photoFile(photo).path, delivery.drawingFile(photo, drawing).path);
    };
    for (const char* name : {"P0000001.JPG", "写真 1.jpg", "P..JPG", "..JPG"})
        EXPECT_EQ(pathsOf(name).first, delivery.folders.photos + name) << name;
    for (const std::string& name :
         std::vector<std::string>{"../../etc/passwd", "/etc/passwd", "PIC/P1.JPG", "..", ".",
                                  "DRA\\D1.JPG", std::string("P1.JPG\0.png", 10)}) {
        EXPECT_EQ(pathsOf(name), std::pair(std::string(), std::string())) << name;
    }
}

TEST_F(DocumentTest, ThePositionCountsTheDeliveryAndTheChosenNode) {
    host.saved.browseMode = BrowseMode::ChosenNode;
    CQuillonDoc modeOne(host);
    ASSERT_TRUE(
        modeOne.OnOpenDocument(write({{"1", "B", "", 1}, {"4", "A", "x"}, {"3", "A", "y"}})));
    EXPECT_EQ(browsePositionText(modeOne), "写真 1 / 3");
    ASSERT_TRUE(modeOne.selectDrawing(0, nullptr)); // what enlarging shows is named
    EXPECT_EQ(browsePositionText(modeOne), "写真 1 / 3　参考図 D0");
    ASSERT_TRUE(modeOne.selectNode(modeOne.rootNode().findChild("A")->findChild("y"), nullptr));
    EXPECT_EQ(browsePositionText(modeOne), "写真 2 / 3（y 1 / 1）");
}

TEST_F(DocumentTest, AnotherOpenDropsTheSelectedNode) {
    open({{"1", "A"}});
    ASSERT_TRUE(document.selectNode(node("A"), nullptr));
    open({{"3", "A"}, {"4", "B"}});
    EXPECT_EQ(document.selectedNode(), nullptr);
    EXPECT_EQ(orderSerials(), (std::vector<std::string>{"3", "4"}));
}

TEST_F(DocumentTest, TheLayoutToggleInvertsAndAnnounces) {
    EXPECT_FALSE(document.fourPhotoLayout());
    document.OnTogglePhotoLayout();
    EXPECT_TRUE(document.fourPhotoLayout());
    document.OnTogglePhotoLayout();
    EXPECT_FALSE(document.fourPhotoLayout());
    EXPECT_EQ(view.hints, (Hints(2, UpdateHint::HINT_LAYOUT_CHANGED)));
}

TEST_F(DocumentTest, OptionsSaveAndRebuildOnlyWhenTheModeChanged) {
    host.saved = {250, BrowseMode::AllPhotos};
    open({{"2", "A"}, {"1", "B"}});

    host.dialogAnswer = std::nullopt; // cancelled
    document.OnOptions();
    EXPECT_EQ(host.saves, 0);
    ASSERT_EQ(host.dialogShown.size(), 1u);
    EXPECT_EQ(host.dialogShown[0].slideInterval, 250u);

    host.dialogAnswer = OptionChoice{5, BrowseMode::AllPhotos}; // interval only
    document.OnOptions();
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(host.saved.slideInterval, 5u);
    EXPECT_TRUE(view.hints.empty());

    host.dialogAnswer = OptionChoice{5, BrowseMode::ChosenNode}; // no node selected: the mode waits
    document.OnOptions();
    EXPECT_EQ(document.browseMode(), BrowseMode::ChosenNode);
    EXPECT_EQ(document.photoOrder().size(), 2u);
    EXPECT_TRUE(view.hints.empty());

    ASSERT_TRUE(document.selectNode(node("A"), nullptr));
    EXPECT_EQ(document.photoOrder().size(), 1u);
    clearHints();
    host.dialogAnswer =
        OptionChoice{5, BrowseMode::AllPhotos}; // back to all photos, node reselected
    document.OnOptions();
    EXPECT_EQ(document.photoOrder().size(), 2u);
    EXPECT_EQ(view.hints, (Hints{UpdateHint::HINT_NODE_SELECTED}));

    host.dialogAnswer = OptionChoice{7, std::nullopt}; // no choice keeps the mode
    document.OnOptions();
    EXPECT_EQ(host.saved.browseMode, BrowseMode::AllPhotos);
    EXPECT_EQ(host.saved.slideInterval, 7u);
    EXPECT_EQ(host.saves, 4);
}

TEST_F(DocumentTest, APhotoOfTheFileIsReachedInBothModes) {
    const auto photos =
        std::vector<TestPhoto>{{"1", "B"}, {"30", "A", "x"}, {"10", "A", "y"}, {"20", ""}};
    open(photos);
    ASSERT_TRUE(document.goToPhotoInFile(2, nullptr)); // "10", the second in the order
    EXPECT_EQ(currentSerial(), "10");
    EXPECT_EQ(document.currentIndex(), 1);
    EXPECT_FALSE(document.goToPhotoInFile(4, nullptr));

    host.saved.browseMode = BrowseMode::ChosenNode;
    CQuillonDoc modeOne(host);
    ASSERT_TRUE(modeOne.OnOpenDocument(write(photos)));
    ASSERT_TRUE(modeOne.selectNode(modeOne.rootNode().findChild("B"), nullptr));
    ASSERT_TRUE(modeOne.goToPhotoInFile(1, nullptr)); // "30": its node A/x is chosen first
    EXPECT_EQ(modeOne.selectedNode(), modeOne.rootNode().findChild("A")->findChild("x"));
    EXPECT_EQ(modeOne.currentPhoto()->slots[PhotoSlot::SerialNumber], "30");
    ASSERT_TRUE(modeOne.goToPhotoInFile(3, nullptr)); // "20" has no node: the whole file
    EXPECT_EQ(modeOne.selectedNode(), nullptr);
    EXPECT_EQ(modeOne.photoOrder().size(), 4u);
    EXPECT_EQ(modeOne.currentPhoto()->slots[PhotoSlot::SerialNumber], "20");
}
