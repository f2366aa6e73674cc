// The program's start window shown with the Qt backend (offscreen): its widgets and a screenshot.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <filesystem>

#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/qt/forms_qt.h"
#include "run/frmZOR0.h"

TEST(StartWindow, ShowsWithTheQtBackendAndSavesAScreenshot) {
    vb::headless::ResetForms();
    vb::qtforms::Install(false); // message boxes stay headless: nothing may block
    auto& f = vb::form<frmZOR0>();
    QWidget* win = vb::qtforms::WindowOf(f);
    ASSERT_NE(win, nullptr);
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(win->windowTitle(), "Bild0");
    EXPECT_EQ(static_cast<QLineEdit*>(vb::qtforms::WidgetOf(f.txtVersion))->text(), "V.07.05.2012");
    EXPECT_EQ(static_cast<QPushButton*>(vb::qtforms::WidgetOf(f.cmdOK))->text(), "Weiter");
    EXPECT_EQ(vb::headless::focused(), "frmZOR0.cmdOK");

    const QImage shot = win->grab().toImage();
    const float tpp = vb::Screen::TwipsPerPixelX();
    EXPECT_NEAR(shot.width(), f.ScaleWidth() / tpp, 1.0);
    EXPECT_NEAR(shot.height(), f.ScaleHeight() / tpp, 1.0);
    // Beside the other temporary files, never in the source tree a test may be started from.
    const std::string file = (std::filesystem::temp_directory_path() / "zor_frmZOR0.png").string();
    ASSERT_TRUE(shot.save(QString::fromStdString(file)));
    EXPECT_GT(std::filesystem::file_size(file), 1000u);

    vb::qtforms::Uninstall();
    vb::headless::ResetForms();
}
