// TAboutForm, the about window: a portrait, five details of the people who
// made the program and two links. Only ever hidden and shown again.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

namespace ignivar::windows {

class TAboutForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 397, kHeight = 176;

    // `open_url` opens an address with the desktop (the web page, mailto:).
    TAboutForm(const std::string& program_dir, std::function<void(const QString& url)> open_url,
               QWidget* parent = nullptr);

    // "About...": shows the window (it stays shown when it is already).
    void present();
    void la_website_2Click();
    void la_email_2Click();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    std::function<void(const QString&)> open_url_;
};

}  // namespace ignivar::windows
