#include <gtest/gtest.h>

#include "doc_fixture.h"
#include "runtime/vbutton.h"
#include "runtime/vscene.h"

namespace {

using DemoSample = DocFixture;

TEST_F(DemoSample, LoadsWithTheGrammarAndFindsItsMedia) {
    const std::string path = std::string(TAVRIN_SOURCE_DIR) + "/resources/samples/Demo/demo.tvs";
    doc = std::make_unique<CVistrelDoc>();
    doc->Reader().SetErrorReport(&report);
    ASSERT_TRUE(doc->OnOpenDocument(path));
    ASSERT_TRUE(doc->OnOpenDocument(path)) << FirstError();
    EXPECT_EQ(doc->appName_, "Tavrin Demo");
    EXPECT_FALSE(doc->automatic_);
    EXPECT_EQ(doc->TextStyles().Count(), 2);
    EXPECT_EQ(doc->SceneTable().size(), 3u);
    EXPECT_EQ(doc->startToken_, doc->FindScene("Intro"));
    EXPECT_EQ(Object<CVButton>("Exit").action_, Kind::ExitAction);
    EXPECT_EQ(Object<CVScene>("Credits").effect_, Kind::SlowIrisOpen);
    EXPECT_FALSE(doc->ResolveMediaFile("sunset.bmp").empty());
    EXPECT_FALSE(doc->ResolveMediaFile("CHIME.WAV").empty());
    EXPECT_TRUE(messages.empty());
}

}  // namespace
