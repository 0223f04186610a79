#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/message/message_display.h"
#include "runtime/runtime_globals.h"
#include "runtime/vistrel_doc.h"

// A document loaded from script text with a recording report, and every message shown meanwhile.
class DocFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        previous_ = SetMessageDisplay([this](const std::string& title, const std::string& text) {
            messages.emplace_back(title, text);
        });
    }
    void TearDown() override {
        SetMessageDisplay(previous_);
        ResetGlobals();
    }

    // Parses text; true when no error was reported.
    bool Load(const std::string& text) {
        doc = std::make_unique<CVistrelDoc>();
        report = RecordingErrorReport{};
        doc->Reader().SetErrorReport(&report);
        doc->Reader().OpenScriptText(text);
        return doc->ParseScript();
    }

    // The first error as "line.column message", or empty.
    std::string FirstError() const { return report.HasError() ? report.errors.front().Text() : ""; }

    template <class T>
    T& Object(const std::string& name) {
        CVRect* object = doc->FindObject(name);
        EXPECT_NE(object, nullptr) << name;
        T* typed = dynamic_cast<T*>(object);
        EXPECT_NE(typed, nullptr) << name;
        return *typed;
    }

    std::unique_ptr<CVistrelDoc> doc;
    RecordingErrorReport report;
    std::vector<std::pair<std::string, std::string>> messages;

private:
    MessageDisplay previous_;
};

// A script with the given declarations inside the frame named "f" (not "base", so no placement).
inline std::string InFrame(const std::string& declarations, const std::string& header = "<APP>") {
    return header + "\n<LEARN>\n<FRAME NAME = \"f\">\n" + declarations + "\n</FRAME>\n</LEARN>\n<DO>\n</DO>\n";
}
