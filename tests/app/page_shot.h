#pragma once
// One input page shown with the Qt backend: it is visible with its caption as title, fits a screen of
// 1024 x 768 pixels, and its screenshot is saved as zor_<name>.png in the temporary folder for a look.
// Call it inside ASSERT_NO_FATAL_FAILURE: a page without a window ends the test.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <filesystem>
#include <string>

#include "platform/forms/registry.h"
#include "platform/qt/forms_qt.h"

namespace apptest {

inline void SeiteZeigen(const char* name) {
    vb::Form& f = vb::FormByName(name);
    f.Show(); // the safety pages do not show themselves
    QWidget* win = vb::qtforms::WindowOf(f);
    ASSERT_NE(win, nullptr);
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(win->windowTitle().toStdString(), f.Caption());
    const float tpp = vb::Screen::TwipsPerPixelX();
    EXPECT_LE(f.Width() / tpp, 1024.0f);
    EXPECT_LE(f.Height() / tpp, 768.0f);
    const QImage shot = win->grab().toImage();
    const std::string file =
        (std::filesystem::temp_directory_path() / (std::string("zor_") + name + ".png")).string();
    ASSERT_TRUE(shot.save(QString::fromStdString(file)));
}

} // namespace apptest
