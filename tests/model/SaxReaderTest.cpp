#include "model/SaxReader.h"

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Records every event as one line: "<name", ">name" or "text".
class RecordingHandler : public SaxContentHandler, public SaxErrorHandler {
public:
    std::vector<std::string> events;
    std::vector<std::string> fatalErrors;
    SaxReader* reader = nullptr;
    SaxContentHandler* switchTo = nullptr;
    std::string switchAt;
    std::string throwAt;

    void startElement(std::string_view name) override {
        events.push_back("<" + std::string(name));
        if (name == throwAt)
            throw std::runtime_error("handler failed");
        if (name == switchAt)
            reader->setContentHandler(switchTo);
    }
    void endElement(std::string_view name) override { events.push_back(">" + std::string(name)); }
    void characters(std::string_view text) override { events.emplace_back(text); }
    void warning(const SaxError&) override {}
    void error(const SaxError&) override {}
    void fatalError(const SaxError& problem) override { fatalErrors.emplace_back(problem.message); }
};

using Events = std::vector<std::string>;

} // namespace

TEST(SaxReaderEvents, TextBetweenTagsArrivesAsOnePiece) {
    SaxReader reader;
    RecordingHandler handler;
    reader.setContentHandler(&handler);
    const auto result = reader.parseMemory(
        "<?xml version='1.0'?><!DOCTYPE r [<!ENTITY e 'ent'>]>"
        "<r>a&amp;b<!-- c --><?pi x?>&#x41;&e;<![CDATA[<d>]]><x:s xmlns:x='u' k='v'/>t</r>");
    EXPECT_EQ(result, ParseResult::Complete);
    EXPECT_EQ(handler.events, (Events{"<r", "a&bAent<d>", "<s", ">s", "t", ">r"}));
}

TEST(SaxReaderEvents, TheNextEventGoesToAnExchangedHandler) {
    SaxReader reader;
    RecordingHandler first;
    RecordingHandler second;
    first.reader = &reader;
    first.switchTo = &second;
    first.switchAt = "b";
    reader.setContentHandler(&first);
    reader.parseMemory("<a><b>x</b><c/></a>");
    EXPECT_EQ(first.events, (Events{"<a", "<b"}));
    EXPECT_EQ(second.events, (Events{"x", ">b", "<c", ">c", ">a"}));
}

TEST(SaxReaderEvents, TextPendingAtAStopGoesToTheCurrentHandler) {
    SaxReader reader;
    RecordingHandler handler;
    reader.setContentHandler(&handler);
    reader.setErrorHandler(&handler);
    EXPECT_EQ(reader.parseMemory("<a><b>tail text"), ParseResult::Stopped);
    ASSERT_FALSE(handler.events.empty());
    EXPECT_EQ(handler.events.back(), "tail text");
    EXPECT_FALSE(handler.fatalErrors.empty());
}

TEST(SaxReaderFailures, AnEncodingErrorIsAStopNotACompleteDocument) {
    SaxReader reader;
    RecordingHandler handler;
    reader.setContentHandler(&handler);
    reader.setErrorHandler(&handler);
    testing::internal::CaptureStderr();
    const auto result = reader.parseMemory("<?xml version='1.0' encoding='Shift_JIS'?><a><b>x</b>"
                                           "<c>\x85\x40</c><d/></a>");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), ""); // libxml2 stays quiet
    EXPECT_EQ(result, ParseResult::Stopped);
    EXPECT_FALSE(handler.fatalErrors.empty());
    EXPECT_EQ(std::find(handler.events.begin(), handler.events.end(), "<d"), handler.events.end());
}

TEST(SaxReaderFailures, AHandlerExceptionLeavesTheParseAfterCleanUp) {
    SaxReader reader;
    RecordingHandler handler;
    handler.throwAt = "b";
    reader.setContentHandler(&handler);
    EXPECT_THROW(reader.parseMemory("<a><b/><c/></a>"), std::runtime_error);
    EXPECT_EQ(handler.events, (Events{"<a", "<b"}));
    // The reader is usable again afterwards.
    handler.throwAt.clear();
    handler.events.clear();
    EXPECT_EQ(reader.parseMemory("<z/>"), ParseResult::Complete);
    EXPECT_EQ(handler.events, (Events{"<z", ">z"}));
}

TEST(SaxReaderFailures, AQuadraticEntityBlowUpIsBounded) {
    const std::string big(100000, 'x');
    std::string refs;
    for (int i = 0; i < 1000; ++i)
        refs += "&big;";
    SaxReader reader;
    RecordingHandler handler;
    reader.setContentHandler(&handler);
    reader.setErrorHandler(&handler);
    const auto result = reader.parseMemory("<!DOCTYPE r [<!ENTITY big '" + big +
                                           "'>]><r><a>ok</a><b>" + refs + "</b></r>");
    EXPECT_EQ(result, ParseResult::Stopped);
    EXPECT_FALSE(handler.fatalErrors.empty());
    std::size_t delivered = 0;
    for (const auto& event : handler.events)
        delivered += event.size();
    EXPECT_LT(delivered, 20u * 1024 * 1024);
    EXPECT_EQ(handler.events[1], "<a");
}

TEST(SaxReaderFailures, AnUnreadableFileIsReportedAndStops) {
    SaxReader reader;
    RecordingHandler handler;
    reader.setErrorHandler(&handler);
    EXPECT_EQ(reader.parseFile("scratch/does/not/exist.xml"), ParseResult::Stopped);
    ASSERT_EQ(handler.fatalErrors.size(), 1u);
    EXPECT_NE(handler.fatalErrors[0].find("exist.xml"), std::string::npos);
}

TEST(SaxReaderFailures, AnEncodingRefusedOnTheFirstBytesIsAStop) {
    // Found by fuzzing: libxml2 reported an unsupported four-byte encoding before the
    // reader had put itself into the parser's context.
    RecordingHandler handler;
    SaxReader reader;
    reader.setContentHandler(&handler);
    reader.setErrorHandler(&handler);
    EXPECT_EQ(reader.parseMemory(std::string_view("\0<\0\0\0\0", 6)), ParseResult::Stopped);
    EXPECT_FALSE(handler.fatalErrors.empty());
}
