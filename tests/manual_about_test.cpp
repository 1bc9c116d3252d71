// The manual viewer and the about window under the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include "product.h"
#include "temp_dir.h"
#include "ui/language.h"
#include "windows/about_form.h"
#include "windows/manual_form.h"
#include "windows/picture_label.h"

namespace ignivar::windows {
namespace {

const std::string kDir = IGNIVAR_ASSET_DIR;

struct Viewer {
    explicit Viewer(const std::string& config = kDir + "/Config.ini", const std::string& dir = kDir)
        : form(config, dir, [this](const Error& e) { reports.push_back(e.message); }) {
        form.show();
    }
    std::vector<std::string> reports;
    TManualForm form;

    bool left_shown() const { return form.btn_left_up()->isVisible() && form.btn_left_down()->isVisible(); }
    bool right_shown() const { return form.btn_right_up()->isVisible() && form.btn_right_down()->isVisible(); }
    void key(Qt::Key k) { QTest::keyClick(&form, k); }
};

TEST(Manual, FirstShowingAndTheBounds) {
    Viewer v;
    EXPECT_EQ(v.form.size(), QSize(345, 255));
    EXPECT_EQ(v.form.current_page(), 1);
    EXPECT_FALSE(v.left_shown());
    EXPECT_TRUE(v.right_shown());
    v.key(Qt::Key_Left);  // nothing before page 1, on press or release
    EXPECT_EQ(v.form.current_page(), 1);
    for (int i = 0; i < 11; ++i) v.key(Qt::Key_Right);
    EXPECT_EQ(v.form.current_page(), 12);
    EXPECT_FALSE(v.right_shown());
    EXPECT_TRUE(v.left_shown());
    v.key(Qt::Key_Right);
    EXPECT_EQ(v.form.current_page(), 12);
    v.key(Qt::Key_Left);
    EXPECT_EQ(v.form.current_page(), 11);
    EXPECT_TRUE(v.left_shown());
    EXPECT_TRUE(v.right_shown());
    EXPECT_TRUE(v.reports.empty());
}

TEST(Manual, AHeldKeyTurnsOnceOnRelease) {
    Viewer v;
    QTest::keyPress(&v.form, Qt::Key_Right);
    EXPECT_FALSE(v.form.btn_right_up()->isVisible());  // the pressed look
    for (int i = 0; i < 5; ++i) {
        QKeyEvent repeat_release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&v.form, &repeat_release);
        QKeyEvent repeat_press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&v.form, &repeat_press);
    }
    EXPECT_EQ(v.form.current_page(), 1);
    QTest::keyRelease(&v.form, Qt::Key_Right);
    EXPECT_EQ(v.form.current_page(), 2);
    EXPECT_TRUE(v.form.btn_right_up()->isVisible());
}

TEST(Manual, ThePageIsKeptWhileClosed) {
    Viewer v;
    for (int i = 0; i < 6; ++i) v.key(Qt::Key_Right);
    QTest::mouseClick(v.form.btn_close_up(), Qt::LeftButton);
    EXPECT_FALSE(v.form.isVisible());
    v.form.show();
    EXPECT_EQ(v.form.current_page(), 7);
    v.key(Qt::Key_Escape);
    EXPECT_FALSE(v.form.isVisible());
}

TEST(Manual, MouseButtonHeldWhileAKeyTurnsThePage) {
    Viewer v;
    v.key(Qt::Key_Right);
    ASSERT_EQ(v.form.current_page(), 2);
    QTest::mousePress(v.form.btn_left_up(), Qt::LeftButton);
    v.key(Qt::Key_Left);
    EXPECT_EQ(v.form.current_page(), 1);
    QTest::mouseRelease(v.form.btn_left_up(), Qt::LeftButton);
    EXPECT_EQ(v.form.current_page(), 1);
    // Right and middle buttons do nothing anywhere.
    QTest::mouseClick(v.form.btn_right_up(), Qt::RightButton);
    QTest::mouseClick(v.form.btn_right_up(), Qt::MiddleButton);
    EXPECT_EQ(v.form.current_page(), 1);
    QTest::mouseClick(v.form.btn_right_up(), Qt::LeftButton);
    EXPECT_EQ(v.form.current_page(), 2);
}

// The mouse as the window system delivers it: the pressed look hides the
// label that took the press, and the release still turns the page or
// closes the window, over the button or anywhere else.
TEST(Manual, TheButtonsWorkWithTheMouse) {
    Viewer v;
    QWindow* window = v.form.windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint right = v.form.btn_right_up()->geometry().center();
    const QPoint left = v.form.btn_left_up()->geometry().center();
    QTest::mousePress(window, Qt::LeftButton, {}, right);
    EXPECT_FALSE(v.form.btn_right_up()->isVisible());  // the pressed look
    QTest::mouseRelease(window, Qt::LeftButton, {}, right);
    EXPECT_EQ(v.form.current_page(), 2);
    EXPECT_TRUE(v.form.btn_right_up()->isVisible());
    QTest::mousePress(window, Qt::LeftButton, {}, right);
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(20, 20));  // let go elsewhere
    EXPECT_EQ(v.form.current_page(), 3);
    QTest::mouseClick(window, Qt::LeftButton, {}, left);
    EXPECT_EQ(v.form.current_page(), 2);
    QTest::mouseClick(window, Qt::LeftButton, {}, v.form.btn_close_up()->geometry().center());
    EXPECT_FALSE(v.form.isVisible());
}

TEST(Manual, SizeFromConfigAndAMissingPage) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    dir.write("Config.ini", "[Manual]\nManualDir=pages\nManualWidth=600\nManualHeight=400\n");
    fs::create_directories(dir.path / "pages");
    for (int n = 1; n <= 11; ++n)
        fs::copy_file(fs::path(kDir) / "Graphics/Manual" / (std::to_string(n) + ".bmp"),
                      dir.path / "pages" / (std::to_string(n) + ".bmp"));
    Viewer v(dir.file("Config.ini"), dir.path.string());
    EXPECT_EQ(v.form.size(), QSize(600, 400));
    EXPECT_EQ(v.form.btn_close_up()->geometry(), QRect(580, 4, 16, 14));
    EXPECT_EQ(v.form.btn_right_up()->geometry(), QRect(580, 382, 16, 14));
    EXPECT_EQ(v.form.btn_left_up()->geometry(), QRect(4, 382, 16, 14));
    EXPECT_EQ(v.form.manual().pages[10].source, skin::ManualPage::Source::File);
    EXPECT_EQ(v.form.manual().pages[11].source, skin::ManualPage::Source::Placeholder);
    EXPECT_TRUE(v.reports.empty());
    // The placeholder shows in the top left corner, drawn unscaled.
    for (int i = 0; i < 11; ++i) v.key(Qt::Key_Right);
    const QImage shot = v.form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(shot.pixelColor(50, 50), QColor(255, 255, 255));
}

TEST(Manual, AnUndecodablePageIsReported) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    dir.write("Config.ini", "[Manual]\nManualDir=pages\\\n");
    fs::create_directories(dir.path / "pages");
    fs::copy_file(fs::path(kDir) / "Graphics/Manual/1.bmp", dir.path / "pages/1.bmp");
    dir.write("pages/2.bmp", "BM not really a bitmap");
    Viewer v(dir.file("Config.ini"), dir.path.string());
    EXPECT_EQ(v.reports.size(), 1u);
    EXPECT_EQ(v.form.manual().pages[0].source, skin::ManualPage::Source::File);
    EXPECT_EQ(v.form.manual().pages[2].source, skin::ManualPage::Source::Empty);
}

// In each language the viewer shows that language's pages, drawn for it by
// the asset generator (which refuses a page whose words overflow it).
TEST(Manual, EachLanguageHasItsOwnPages) {
    for (const ui::Language& l : ui::kLanguages) {
        ui::Translation spoken(l.code);
        Viewer v;
        for (const skin::ManualPage& page : v.form.manual().pages) {
            EXPECT_EQ(page.source, skin::ManualPage::Source::File) << l.code;
            EXPECT_EQ(page.file.find("/" + std::string(l.code) + "/") != std::string::npos, l.code != "en")
                << l.code << ": " << page.file;
        }
        EXPECT_TRUE(v.reports.empty()) << l.code;
    }
}

struct About {
    About() : form(kDir, [this](const QString& url) { opened << url; }) { form.present(); }
    QStringList opened;
    TAboutForm form;
    ClickLabel* link(const char* name) { return form.findChild<ClickLabel*>(name); }
};

TEST(About, EscAndEitherLinkHideIt) {
    {
        About a;
        EXPECT_EQ(a.form.windowTitle(), "About the author...");
        EXPECT_EQ(a.form.size(), QSize(397, 176));
        a.form.present();  // "About..." again: still shown
        EXPECT_TRUE(a.form.isVisible());
        QTest::keyClick(&a.form, Qt::Key_Escape);
        EXPECT_FALSE(a.form.isVisible());
        EXPECT_TRUE(a.opened.isEmpty());
    }
    const std::pair<const char*, QString> links[] = {{"la_website_2", kWebsite},
                                                     {"la_email_2", QString("mailto:") + kEmail}};
    for (const auto& [name, url] : links) {
        About a;
        ASSERT_NE(a.link(name), nullptr) << name;
        QTest::mouseClick(a.link(name), Qt::LeftButton);
        EXPECT_EQ(a.opened, QStringList{url}) << name;
        EXPECT_FALSE(a.form.isVisible()) << name;
    }
}

// In every language each caption ends before its value begins, and every
// value ends within the window.
TEST(About, EveryLanguageFitsTheWindow) {
    for (const ui::Language& l : ui::kLanguages) {
        ui::Translation spoken(l.code);
        About a;
        EXPECT_EQ(a.form.windowTitle() == "About the author...", l.code == "en") << l.code;
        for (const QLabel* label : a.form.findChildren<QLabel*>()) {
            const QString name = label->objectName();
            if (!name.startsWith("la_") || name == "la_website_2" || name == "la_email_2") continue;
            const int right = label->x() + label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_LE(right, name.endsWith("_1") ? 212 - 4 : a.form.width() - 4)
                << l.code << ": " << label->text().toStdString();
        }
    }
}

}  // namespace
}  // namespace ignivar::windows

