#pragma once
// One input page shown with the Qt backend: it is visible with its caption as title, fits a screen of
// 1024 x 768 pixels, and its screenshot is saved as zor_<name>.png in the temporary folder for a look.
// Call it inside ASSERT_NO_FATAL_FAILURE: a page without a window ends the test.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <filesystem>
#include <string>

#include "platform/forms/registry.h"
#include "platform/qt/forms_qt.h"

namespace apptest {

// The texts of a window fit: its caption in a title bar as wide as the window (beside the window manager's
// icon and buttons, about 100 pixels), and every label's text inside the label (wrapped where the label
// wraps its text).
inline void TexteLesbar(vb::Form& f, QWidget* win) {
    QFont titel = win->font();
    titel.setBold(true);
    EXPECT_LE(QFontMetrics(titel).horizontalAdvance(win->windowTitle()) + 100, win->width())
        << "the caption \"" << f.Caption() << "\" is cut";
    for (QLabel* l : win->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(win) || l->text().isEmpty() || l->width() <= 0) continue;
        const QFontMetrics fm(l->font());
        const QRect noetig =
            fm.boundingRect(QRect(0, 0, l->contentsRect().width(), 10000),
                            l->alignment() | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
        EXPECT_LE(noetig.height(), l->contentsRect().height()) << "\"" << l->text().toStdString() << "\"";
        EXPECT_LE(noetig.width(), l->contentsRect().width()) << "\"" << l->text().toStdString() << "\"";
    }
}

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
    TexteLesbar(f, win);
    const QImage shot = win->grab().toImage();
    const std::string file =
        (std::filesystem::temp_directory_path() / (std::string("zor_") + name + ".png")).string();
    ASSERT_TRUE(shot.save(QString::fromStdString(file)));
}

} // namespace apptest
