// Preview::EditTemplate: the designer is loaded once, shown modally, reused
// while hidden, and the call answers whether the template changed.
#include <gtest/gtest.h>

#include "control/Preview.h"
#include "designer/frmPreview.h"
#include "support/TestSupport.h"
#include <QTimer>

using namespace kyt;
using namespace kyt::test;

namespace
{

TEST(EditTemplate, CreatesATemplateAndReusesTheHiddenDesigner)
{
    ScriptedBoxScope boxes;
    Preview preview;
    std::shared_ptr<CPrintTemplate> t;
    QTimer::singleShot(0, &preview, [&] { preview.designer()->close(); });
    EXPECT_FALSE(preview.EditTemplate(t));
    ASSERT_TRUE(t);
    EXPECT_FALSE(t->TemplateName().isEmpty());
    frmPreview* first = preview.designer();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isVisible());

    // Second use: the same window; a change made while open is answered.
    QTimer::singleShot(0, &preview, [&] {
        preview.designer()->currentTemplate()->setDataChanged(true);
        boxes.box().queueAnswer(vbNo);
        preview.designer()->close();
    });
    EXPECT_TRUE(preview.EditTemplate(t));
    EXPECT_EQ(preview.designer(), first);
    ASSERT_EQ(boxes.box().asked().size(), 1u);
    EXPECT_EQ(boxes.box().asked()[0].prompt, QStringLiteral("Save Changes?"));
}

} // namespace
