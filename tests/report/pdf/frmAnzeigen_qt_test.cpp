// The report window on the Qt backend: every line of the report is one line of the box, also the few that
// are longer than the 80 columns the window is wide for.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <string>

#include "frame/project_data.h"
#include "platform/forms/headless.h"
#include "platform/qt/forms_qt.h"
#include "platform/runtime/winfs.h"
#include "report/frmAnzeigen.h"
#include "tests/support/working_folder.h"

namespace {

TEST(BerichtFensterQt, EveryReportLineIsOneLineOfTheBox) {
    zortest::WorkingFolder ordner;
    const std::string lang(96, 'x'); // a line beyond the 80 columns
    vb::WriteFileBytes("LPTZW", "Kopf\r\n" + lang + "\r\nEnde\r\n");
    zorm1::ResetProjectData();
    zorm1::P.GanzerName = (ordner / "wand").string();
    zorm1::P.GanzerNameOhneExt = zorm1::P.GanzerName;
    vb::headless::ResetForms();
    vb::qtforms::Install(false);
    auto& f = vb::form<frmAnzeigen>();
    f.Show();
    auto* box = qobject_cast<QPlainTextEdit*>(vb::qtforms::WidgetOf(f.Text2));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(box->document()->blockCount(), 4); // three lines and the empty one behind the last break
    EXPECT_EQ(box->document()->findBlockByNumber(1).text().toStdString(), lang);
    // the long line is reached by the horizontal scroll bar, not broken
    EXPECT_NE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    vb::qtforms::Uninstall();
    vb::headless::ResetForms();
    zorm1::ResetProjectData();
}

} // namespace
